// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The read-outs in the title row of the settings frame, each a value under its caption: the
// rate of the last closed interval ANZ(4), the impacts so far ANZ(0), the interval ANZ(1) and the
// running rate ANZ(2). Shows the experiment's values (the live ones at every drawn frame), tells
// assistive technology once per closed interval, and opens the interval menu from ANZ(1) by
// mouse or key.
#pragma once
#include "Experiment.h"
#include "Twips.h"

#include <QObject>
#include <QPoint>
#include <array>

class QLabel;
class QWidget;

namespace vozavero {

class ReadoutRow : public QObject {
    Q_OBJECT
public:
    /// Builds the captions and read-outs on frame (the settings frame) at their design places.
    ReadoutRow(const Experiment& experiment, const Twips& twips, QWidget* frame);

    /// Read-out ANZ(index), index 0, 1, 2 or 4.
    QLabel* readout(int index) const { return readouts_.at(static_cast<size_t>(index)); }
    /// The live read-out of a drawn frame: impacts so far, interval and running rate.
    void showLive();
    /// Shows the captions, tool tip and spoken texts in the language now in effect.
    void retranslate();

signals:
    /// ANZ(1) was pressed or asked by key for the interval menu, to open at globalPosition.
    void intervalMenuRequested(QPoint globalPosition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makeReadout(int index, const QRect& rect, QWidget* parent);
    /// The interval as its read-out shows it ("5 Sek.").
    static QString intervalText(int seconds);
    void showClosed(const MeasuringInterval::Closed& closed);
    /// Gives the read-outs that change per interval their spoken text (caption and value).
    void announce();
    /// Gives read-out ANZ(index) the spoken text of value, if it changed.
    void announce(int index, const QString& value);
    /// The interval read-out as a keyboard control: focus mark, and keys that open its menu.
    bool intervalReadoutEvent(QEvent* event);

    const Experiment& experiment_;
    std::array<QLabel*, 5> readouts_{};
    /// The captions above the read-outs, from left to right.
    std::array<QLabel*, 4> captions_{};
    /// The impacts and the interval the live read-outs show (none at first, or after a change
    /// of language).
    std::int32_t liveImpacts_ = -1;
    std::int32_t liveInterval_ = -1;
};

} // namespace vozavero
