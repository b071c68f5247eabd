// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// An option button whose caption holds runs of blanks that text fields lie over ("Teilchenzahl
// alle            Sekunden um           ändern"). The caption's text stays exactly as given;
// only the drawing stretches each run of two or more blanks to a width set from outside, so that
// the field over it has room in any face. Single blanks between words keep their width.
#pragma once
#include <QRadioButton>
#include <vector>

namespace vozavero {

class GapOption : public QRadioButton {
    Q_OBJECT
public:
    GapOption(const QString& text, QWidget* parent = nullptr);

    /// Replaces the caption; every run is drawn at its natural width until set again.
    void setCaption(const QString& text);

    /// Number of runs of blanks in the caption.
    int gapCount() const;
    /// Natural width in pixels of run i in the current face.
    int naturalGapWidth(int i) const;
    /// Draws run i widthPixels wide (never narrower than its natural width).
    void setGapWidth(int i, int widthPixels);
    /// Left and right end of run i as drawn, in this button's pixels.
    std::pair<int, int> gapSpan(int i) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    struct Piece {
        QString text;
        bool gap = false;
        int width = 0; ///< drawn width of a gap in pixels; 0 for its natural width
    };
    /// x of the caption's left end, right of the round indicator.
    int textLeft() const;
    int pieceWidth(const Piece& piece) const;
    /// Index in pieces_ of run i.
    size_t gapPiece(int i) const;

    std::vector<Piece> pieces_;
};

} // namespace vozavero
