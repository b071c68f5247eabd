// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The on-screen number pad of the input aid: a modal box with big keys for a whiteboard where no
// keyboard is at hand. It edits a copy of a text field's text and writes it back only on OK.
//
// Decimal numbers are written with the user's decimal separator, as the fields show them ("2,5"
// under a German locale); a "." in the text it is given is shown as that separator too, which
// the fields read alike.
//
// Editing rules, chosen to behave like a pocket calculator:
// - The pad opens with the whole text marked, so the first digit or decimal point replaces it.
// - A digit typed onto a lone "0" (or "-0") replaces that zero.
// - The decimal point starts "0," on an empty number and is ignored when the number has one.
// - "−" toggles a leading minus sign; on an empty text it starts a negative number.
// - "←" removes the last character, "C" empties the text.
// A physical keyboard works as well: digits, "." and "," (both as decimal point), "-",
// Backspace, Delete (as "C"), Enter (OK) and Escape (Abbrechen).
#pragma once
#include <QDialog>
#include <QString>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace vozavero {

class NumberPad : public QDialog {
    Q_OBJECT

public:
    /// Smallest edge of a key in pixels, large enough to hit with a finger or a pen.
    static constexpr int kKeySize = 64;

    /// caption names the quantity being typed ("Sekunden", "Anzahl", ...); text is the start text.
    /// The decimal separator is that of the default locale at construction.
    NumberPad(const QString& caption, const QString& text, QWidget* parent = nullptr);

    /// Opens a pad on the text of field and, when it is closed with OK, writes the result into
    /// the field with setText, so that textChanged reaches the field's owner exactly as for a
    /// text set by the program; textEdited is not emitted. Returns whether the field was written.
    /// A null or read-only field opens no pad.
    static bool editField(QLineEdit* field, const QString& caption, QWidget* parent = nullptr);

    /// Top-left corner for a pad of padSize (pixels) beside the window whose frame is window,
    /// inside the screen's usable area screen: right of the window when it fits there, else left
    /// of it, else at the screen's edge on the side with more room (the only case in which it
    /// covers part of the window). The top is the window's top, moved up as far as the pad needs
    /// to stay on the screen.
    static QPoint besideWindow(const QRect& window, const QSize& padSize, const QRect& screen);

    /// The text as edited so far.
    QString text() const { return text_; }
    /// Whether the start text is still marked and the next digit replaces it.
    bool replacesText() const { return replacing_; }
    /// Longest text the pad lets the user build, in characters (the field's own limit).
    void setMaxLength(int characters) { maxLength_ = characters; }

    void typeDigit(int digit);
    void typePoint();
    void toggleSign();
    void backspace();
    void clear();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* addKey(const QString& label, const QString& objectName);
    /// The text without its leading minus sign.
    QString magnitude() const;
    bool isNegative() const { return text_.startsWith(u'-'); }
    bool hasPoint() const;
    void setText(const QString& text);
    void showText();

    /// The user's decimal separator.
    QString point_;
    QString text_;
    bool replacing_ = true;
    int maxLength_ = 32767;
    QLineEdit* display_ = nullptr;
};

} // namespace vozavero
