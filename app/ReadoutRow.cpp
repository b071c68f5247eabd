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

} // namespace

ReadoutRow::ReadoutRow(const Experiment& experiment, const Twips& twips, QWidget* frame)
    : QObject(frame)
    , experiment_(experiment) {
    struct Readout {
        const char* captionName;
        QString caption;
        QRect captionRect;
        int index;
        QRect valueRect;
    };
    const Readout row[] = {
        {"Bezeichnung5", tr("Letze Aufprallwerte:"), twips.rect(5490, 60, 1515, 255), 4,
         twips.rect(5460, 360, 1380, 315)},
        {"Bezeichnung1", tr("Aktuelle Aufprallwerte:"), twips.rect(7020, 60, 1695, 195), 0,
         twips.rect(7065, 360, 1545, 315)},
        {"Label4", tr("Intervall:"), twips.rect(8700, 60, 1695, 195), 1,
         twips.rect(8745, 360, 645, 315)},
        {"Label5", tr("Stöße pro Sek.:"), twips.rect(9480, 60, 1395, 195), 2,
         twips.rect(9525, 360, 1305, 315)},
    };
    for (const Readout& r : row) {
        auto* caption = new QLabel(r.caption, frame);
        caption->setObjectName(QString::fromLatin1(r.captionName));
        // The captions sit in the title band; their height grows to the band's so that the
        // text is never cut.
        caption->setGeometry(r.captionRect.x(), 0, r.captionRect.width(), TitledFrame::kBandHeight);
        TitledFrame::styleBandLabel(caption);
        shrinkToFit(caption);
        readouts_.at(static_cast<size_t>(r.index)) = makeReadout(r.index, r.valueRect, frame);
    }
    QLabel* interval = readout(1);
    interval->setToolTip(tr("Klicke hier, um das Messintervall zu ändern"));
    interval->setFocusPolicy(Qt::StrongFocus);
    interval->installEventFilter(this);

    readout(0)->setAccessibleDescription(tr("Stöße auf den Kolben im laufenden Messintervall"));
    interval->setAccessibleDescription(
        tr("Messintervall. Mit der Leertaste oder der Eingabetaste wählst Du ein anderes."));
    readout(2)->setAccessibleDescription(tr("Stöße pro Sekunde im laufenden Messintervall"));
    readout(4)->setAccessibleDescription(
        tr("Stöße pro Sekunde im zuletzt beendeten Messintervall"));
    // A read-out with a name of its own no longer reports every new text of a frame; it is
    // announced with the closing of each measuring interval instead.
    announce();
    announce(1, interval->text());

    connect(&experiment_, &Experiment::intervalClosed, this, &ReadoutRow::showClosed);
    connect(&experiment_, &Experiment::measuringIntervalChanged, this,
            [this](int seconds) { announce(1, tr("%1 Sek.").arg(seconds)); });
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
        setChangedText(readout(1), tr("%1 Sek.").arg(interval));
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
