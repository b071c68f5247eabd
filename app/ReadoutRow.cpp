// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 Nimbra
// The read-outs of the settings frame's title row: captions and values at their design places,
// the live values of each frame, the last closed rate, their spoken texts, and ANZ(1) as the
// control that opens the interval menu.
#include "ReadoutRow.h"

#include "NumberText.h"
#include "UiFonts.h"
#include "framework/TitledFrame.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

namespace vozavero {

namespace {

/// Makes the label's font smaller, down to 6.5 points, until its text fits its width.
void shrinkToFit(QLabel* label) {
    label->setFont(QFont()); // from the frame's face again, for a caption of another language
    QFont f = label->font();
    while (f.pointSizeF() > 6.5 &&
           QFontMetrics(f).horizontalAdvance(label->text()) > label->width()) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    label->setFont(f);
}

void setChangedText(QLabel* label, const QString& text) {
    if (label->text() != text) {
        label->setText(text);
    }
}

/// A caption of the row with its place, and the read-out under it with its place.
struct Readout {
    const char* captionName;
    const char* caption;
    QRect captionRect; ///< in twips
    int index;
    QRect valueRect; ///< in twips
};

const std::array<Readout, 4> kRow{{
    {"Bezeichnung5",
     QT_TRANSLATE_NOOP("vozavero::ReadoutRow", "Letze Aufprallwerte:"),
     {5490, 60, 1515, 255},
     4,
     {5460, 360, 1380, 315}},
    {"Bezeichnung1",
     QT_TRANSLATE_NOOP("vozavero::ReadoutRow", "Aktuelle Aufprallwerte:"),
     {7020, 60, 1695, 195},
     0,
     {7065, 360, 1545, 315}},
    {"Label4",
     QT_TRANSLATE_NOOP("vozavero::ReadoutRow", "Intervall:"),
     {8700, 60, 1695, 195},
     1,
     {8745, 360, 645, 315}},
    {"Label5",
     QT_TRANSLATE_NOOP("vozavero::ReadoutRow", "Stöße pro Sek.:"),
     {9480, 60, 1395, 195},
     2,
     {9525, 360, 1305, 315}},
}};

} // namespace

ReadoutRow::ReadoutRow(const Experiment& experiment, const Twips& twips, QWidget* frame)
    : QObject(frame)
    , experiment_(experiment) {
    const auto pixels = [&twips](const QRect& r) {
        return twips.rect(r.x(), r.y(), r.width(), r.height());
    };
    for (size_t i = 0; i < kRow.size(); ++i) {
        const Readout& r = kRow.at(i);
        auto* caption = new QLabel(frame);
        caption->setObjectName(QString::fromLatin1(r.captionName));
        // The captions sit in the title band; their height grows to the band's so that the
        // text is never cut.
        const QRect rect = pixels(r.captionRect);
        caption->setGeometry(rect.x(), 0, rect.width(), TitledFrame::kBandHeight);
        TitledFrame::styleBandLabel(caption);
        captions_.at(i) = caption;
        readouts_.at(static_cast<size_t>(r.index)) =
            makeReadout(r.index, pixels(r.valueRect), frame);
    }
    QLabel* interval = readout(1);
    interval->setFocusPolicy(Qt::StrongFocus);
    interval->installEventFilter(this);
    retranslate();

    connect(&experiment_, &Experiment::intervalClosed, this, &ReadoutRow::showClosed);
    connect(&experiment_, &Experiment::measuringIntervalChanged, this,
            [this](int seconds) { announce(1, intervalText(seconds)); });
}

void ReadoutRow::retranslate() {
    for (size_t i = 0; i < kRow.size(); ++i) {
        captions_.at(i)->setText(tr(kRow.at(i).caption));
        shrinkToFit(captions_.at(i));
    }
    readout(1)->setToolTip(tr("Klicke hier, um das Messintervall zu ändern"));
    readout(0)->setAccessibleDescription(tr("Stöße auf den Kolben im laufenden Messintervall"));
    readout(1)->setAccessibleDescription(
        tr("Messintervall. Mit der Leertaste oder der Eingabetaste wählst Du ein anderes."));
    readout(2)->setAccessibleDescription(tr("Stöße pro Sekunde im laufenden Messintervall"));
    readout(4)->setAccessibleDescription(
        tr("Stöße pro Sekunde im zuletzt beendeten Messintervall"));
    // The next frame writes the live values anew, in this language.
    liveImpacts_ = -1;
    liveInterval_ = -1;
    // A read-out with a name of its own no longer reports every new text of a frame; it is
    // announced with the closing of each measuring interval instead.
    announce();
    announce(1, intervalText(experiment_.settings().measuringInterval));
}

QString ReadoutRow::intervalText(int seconds) {
    return tr("%1 Sek.").arg(seconds);
}

QLabel* ReadoutRow::makeReadout(int index, const QRect& rect, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QStringLiteral("ANZ(%1)").arg(index));
    label->setGeometry(rect);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(255, 255, 255));
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(bodyFont(8.25, true));
    return label;
}

void ReadoutRow::showLive() {
    const std::int32_t impacts = experiment_.engine().impactCount();
    const std::int32_t interval = experiment_.settings().measuringInterval;
    // Most frames change neither, and then no text is made.
    if (interval != liveInterval_) {
        setChangedText(readout(1), intervalText(interval));
    }
    if (impacts != liveImpacts_ || interval != liveInterval_) {
        setChangedText(readout(0), QString::number(impacts));
        const double perSecond = std::trunc(static_cast<double>(impacts) / interval * 10.0) / 10.0;
        setChangedText(readout(2), numberText(perSecond));
    }
    liveImpacts_ = impacts;
    liveInterval_ = interval;
}

void ReadoutRow::showClosed(const MeasuringInterval::Closed& closed) {
    readout(4)->setText(QString::number(closed.shownRate));
    announce();
}

void ReadoutRow::announce() {
    for (const int i : {0, 2, 4}) {
        announce(i, readout(i)->text());
    }
}

void ReadoutRow::announce(int index, const QString& value) {
    // The spoken caption names what the number counts.
    QString name;
    switch (index) {
    case 0:
        name = tr("Aktuelle Aufprallwerte");
        break;
    case 1:
        name = tr("Intervall");
        break;
    case 2:
        name = tr("Stöße pro Sekunde");
        break;
    default:
        name = tr("Letzte Aufprallwerte");
        break;
    }
    QLabel* label = readout(index);
    const QString spoken = QStringLiteral("%1: %2").arg(name, value);
    // Setting the name tells assistive technology; an unchanged one is not told again.
    if (label->accessibleName() != spoken) {
        label->setAccessibleName(spoken);
    }
}

bool ReadoutRow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != readout(1)) {
        return QObject::eventFilter(watched, event);
    }
    if (intervalReadoutEvent(event)) {
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        emit intervalMenuRequested(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ReadoutRow::intervalReadoutEvent(QEvent* event) {
    QLabel* label = readout(1);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // The focus mark: the read-out takes the colours of a selection while it has the focus.
        const auto* focus = static_cast<QFocusEvent*>(event);
        const bool focused = focus->gotFocus() && focus->reason() != Qt::MouseFocusReason &&
                             focus->reason() != Qt::ActiveWindowFocusReason &&
                             focus->reason() != Qt::PopupFocusReason;
        QPalette p = label->palette();
        p.setColor(QPalette::Window,
                   focused ? label->palette().color(QPalette::Highlight) : QColor(Qt::white));
        p.setColor(QPalette::WindowText,
                   focused ? label->palette().color(QPalette::HighlightedText) : QColor(Qt::black));
        label->setPalette(p);
        return false;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter &&
            key != Qt::Key_Down) {
            return false;
        }
        emit intervalMenuRequested(label->mapToGlobal(QPoint(0, label->height())));
        return true;
    }
    default:
        return false;
    }
}

} // namespace vozavero
