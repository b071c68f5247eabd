// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// A framed container with a title bar: a dark blue band across the top carrying the caption in
// white, over a light body. Other labels may sit in the band (they then use white text too).
#pragma once
#include <QFrame>
#include <QString>

namespace vozavero {

class TitledFrame : public QFrame {
    Q_OBJECT
public:
    /// Height of the title band in pixels.
    static constexpr int kBandHeight = 20;

    explicit TitledFrame(const QString& caption, QWidget* parent = nullptr);
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    /// Styles a label so that it reads on the title band (white text, no background).
    static void styleBandLabel(QWidget* label);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace vozavero
