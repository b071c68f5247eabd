// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// One gauge panel ("Panel3D1(i)"): caption and sub-caption, the bordered box with the coloured
// bar whose right end is the value, the three scale labels with their ticks, the value read-out
// and, on the impact gauge, the reference mark. Turns presses and drags on bar and box into bar
// widths (the mouse mapping) and bar widths into values; what a value sets off is the window's.
// Keys, fingers, pens and assistive technology set a value by the same pointer rule as the mouse.
#pragma once
#include "GaugeScale.h"
#include "SimulationSettings.h"
#include "Twips.h"
#include "ValueControl.h"

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <array>
#include <functional>

namespace vozavero {

class GaugePanel : public QFrame, public ValueControl {
    Q_OBJECT
public:
    GaugePanel(GaugeId id, const Twips& twips, QWidget* parent = nullptr);

    /// Shows the captions and tool tips in the language now in effect, the read-out filling the
    /// room the caption leaves.
    void retranslate();

    GaugeId id() const { return id_; }
    QFrame* box() const { return box_; }            ///< "SCROLLBOX(i)"
    QLabel* bar() const { return bar_; }            ///< "SCROLL(i)"
    QLabel* minLabel() const { return min_; }       ///< "SCROLLMIN(i)"
    QLabel* middleLabel() const { return middle_; } ///< "SCROLLSKALA(i)"
    QLabel* maxLabel() const { return max_; }       ///< "SCROLLMAX(i)"
    QLabel* valueLabel() const { return value_; }   ///< "AnzT(k)", null on the impact gauge
    QFrame* pressureMark() const { return mark_; }  ///< "shp_Pressure", null except on impacts
    QLabel* captionLabel() const { return caption_; }
    /// "Label2", "Label3", "Label1" or "Label6" by gauge.
    QLabel* subCaptionLabel() const { return subCaption_; }
    QColor barColour() const;

    /// Usable bar length in pixels: box width minus twice the bar's left edge.
    double usableLength() const;
    /// Bar width in pixels as last set (not rounded).
    double barWidth() const { return barWidth_; }
    /// Sets the bar width in pixels as given (no clamping); the drawn bar is rounded.
    void setBarWidth(double pixels);

    /// The value the bar stands for on the caption scale: min + roundHalfEven((max - min) / u *
    /// width), min and max the scale's numbers rounded.
    double valueFromBar() const;
    /// Redraws the bar from value on a scale from 0 to fullScale: width = value * u / fullScale.
    void showOnBar(double value, double fullScale);
    /// Shows the reference mark at the bar's current right end (impact gauge only).
    void placeMarkAtBarEnd();
    /// Most digits after the decimal point a read-out shows.
    static constexpr int kMaxReadoutDecimals = 3;
    /// Shows value in the read-out as plain number text, rounded to decimals digits after the
    /// point (at most kMaxReadoutDecimals), so that a sum of decimal steps shows without binary
    /// noise. A text wider than the read-out is drawn in a smaller face rather than cut off.
    void setValueText(double value, int decimals);
    /// Sets the scale: its numbers map the bar, its captions are shown centred under the ticks.
    void setScale(const GaugeScale& scale);
    const GaugeScale& scale() const { return scale_; }

    // Keyboard and assistive technology (the value is in the gauge's unit).
    /// Where the value shown by the gauge comes from (the experiment); without it the value is
    /// read from the bar.
    void setValueSource(std::function<double()> source) { valueSource_ = std::move(source); }
    /// The pointer position in pixels from the bar's left edge that the mouse rule turns into
    /// value (whole, within the caption range): the middle of the positions that give it.
    double pointerPositionFor(double value) const;
    double controlValue() const override;
    /// The caption minimum; 0 on the impact gauge, whose rate can be 0.
    double controlMinimum() const override;
    double controlMaximum() const override;
    bool controlSettable() const override { return id_ != GaugeImpacts; }
    /// Rounds value to a whole number in the caption range and presses the bar where the mouse
    /// would press for it: the same bar width, barSet and applying as a mouse press.
    void setControlValue(double value) override;
    QString controlName() const override;
    QString controlMeaning() const override;

signals:
    /// A press or drag set the bar width: the window applies the value.
    void barSet(vozavero::GaugeId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Re-centres the scale captions when a caption's size changes (also when set directly).
    bool event(QEvent* event) override;
    /// Step keys set the value (see ValueControl); others go on to the window.
    void keyPressEvent(QKeyEvent* event) override;
    /// Draws the focus mark around the box while the gauge has the keyboard focus.
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    /// A finger or pen on box or bar, handled as the mouse would be.
    bool touchOrPen(QObject* watched, QEvent* event);
    /// Tells assistive technology the value when it differs from the one last told.
    void announceValueIfChanged();
    /// Applies the mouse rule to a pointer at x pixels from the bar's left edge.
    void setFromPointer(double xFromBarLeft);
    void placeScaleLabels();
    /// Shrinks the read-out's face until its text fits (never below a legible size).
    void fitReadoutText();
    /// Shrinks the label's face, from the panel's, until its text fits room pixels (never below
    /// a legible size).
    void fitText(QLabel* label, int room) const;

    GaugeId id_;
    Twips twips_;
    QFrame* box_ = nullptr;
    QLabel* bar_ = nullptr;
    QLabel* min_ = nullptr;
    QLabel* middle_ = nullptr;
    QLabel* max_ = nullptr;
    QLabel* value_ = nullptr;
    QFrame* mark_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* subCaption_ = nullptr;
    /// Tick x positions in pixels, under which the min, middle and max captions are centred.
    std::array<int, 3> tickX_{};
    double barWidth_ = 0.0;
    GaugeScale scale_;
    std::function<double()> valueSource_;
    double announcedValue_ = 0.0;
};

} // namespace vozavero
