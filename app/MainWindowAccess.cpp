// The main window for keyboard and assistive technology: German names and descriptions of the
// controls, where the gauges take their values from, the order of the Tab key, the interval
// read-out as a control that opens its menu, and the spoken text of the live read-outs.
#include "MainWindow.h"

#include "CylinderView.h"
#include "GraphPlotter.h"
#include "NumberText.h"
#include "PistonPicture.h"
#include "framework/TitledFrame.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace vozavero {

namespace {

/// The spoken caption of read-out ANZ(i); it names what the number counts.
QString readoutName(size_t index) {
    switch (index) {
    case 0:
        return QStringLiteral("Aktuelle Aufprallwerte");
    case 1:
        return QStringLiteral("Intervall");
    case 2:
        return QStringLiteral("Stöße pro Sekunde");
    case 4:
        return QStringLiteral("Letzte Aufprallwerte");
    default:
        return {};
    }
}

} // namespace

PistonPicture* MainWindow::makePiston(const ScaledPicture& picture) {
    PistonPicture::Hooks hooks;
    hooks.width = [this] { return experiment_.cylinderWidth(); };
    hooks.pointAt = [this](double width) {
        // The pointer stands on the piston face, halfway down the gas space.
        guarded([=, this] {
            containerPointer(bild_->x() + width, bild_->y() + bild_->height() / 2.0);
        });
    };
    return new PistonPicture(picture, std::move(hooks), kolben_);
}

void MainWindow::buildAccessibility() {
    client_->setAccessibleName(windowTitle());
    for (TitledFrame* frame : {kolbenHolder_, options_}) {
        frame->setAccessibleName(frame->caption());
    }
    kolben_->setAccessibleName(QStringLiteral("Kolbenprober"));
    kolben_->setAccessibleDescription(
        QStringLiteral("Zeichnung des Kolbenprobers. Ein Druck mit der Maus oder dem Finger "
                       "neben dem Gasraum stellt den Schieber dorthin."));
    bild_->setAccessibleName(QStringLiteral("Gasraum"));
    optionsButton_->setAccessibleDescription(
        QStringLiteral("Öffnet die Einstellungen der Automatik"));

    gauges_[GaugeCount]->setValueSource([this] { return settings_.particleCount; });
    gauges_[GaugeSpeed]->setValueSource([this] { return settings_.speed; });
    gauges_[GaugeVolume]->setValueSource([this] { return experiment_.cylinderWidth(); });
    gauges_[GaugeImpacts]->setValueSource([this] { return leadingNumber(anz_[4]->text()); });

    anz_[0]->setAccessibleDescription(
        QStringLiteral("Stöße auf den Kolben im laufenden Messintervall"));
    anz_[1]->setAccessibleDescription(QStringLiteral(
        "Messintervall. Mit der Leertaste oder der Eingabetaste wählst Du ein anderes."));
    anz_[2]->setAccessibleDescription(
        QStringLiteral("Stöße pro Sekunde im laufenden Messintervall"));
    anz_[4]->setAccessibleDescription(
        QStringLiteral("Stöße pro Sekunde im zuletzt beendeten Messintervall"));
    // A read-out with a name of its own no longer reports every new text of a frame; it is
    // announced with the closing of each measuring interval instead.
    announceReadouts();
    announceReadout(1, anz_[1]->text());
    anz_[1]->setFocusPolicy(Qt::StrongFocus);

    tabs_->setAccessibleName(QStringLiteral("Datenreihen"));
    tabs_->tabBar()->setAccessibleName(QStringLiteral("Datenreihe wählen"));
    for (int page = 0; page < tabs_->count(); ++page) {
        tabs_->widget(page)->setAccessibleName(tabs_->tabText(page));
    }
    for (QPushButton* b : regressionButtons_) {
        b->setAccessibleDescription(QStringLiteral(
            "Zeichnet die Ausgleichsgerade durch die Messwerte der gewählten Datenreihe"));
    }
    plotter_->setAccessibleName(QStringLiteral("Graph der Messreihe"));
    menuBar()->setAccessibleName(QStringLiteral("Menüleiste"));

    // Top to bottom, and left to right within a row: the piston, the buttons and boxes of the
    // settings, the interval, the gauges (count and area in the upper row, speed below), then
    // the pages of the graph and the button on the page shown.
    const std::array<QWidget*, 10> order{
        schieber_,           resetButton_, automatic_,          record_,
        optionsButton_,      anz_[1],      gauges_[GaugeCount], gauges_[GaugeVolume],
        gauges_[GaugeSpeed], tabs_};
    for (size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    QWidget* previous = tabs_;
    for (int page = 0; page < tabs_->count(); ++page) {
        for (QPushButton* b : regressionButtons_) {
            if (b->property("page").toInt() == page) {
                setTabOrder(previous, b);
                previous = b;
            }
        }
    }
}

void MainWindow::announceReadouts() {
    for (size_t i : {0u, 2u, 4u}) {
        if (anz_[i] != nullptr) {
            announceReadout(i, anz_[i]->text());
        }
    }
}

void MainWindow::announceReadout(size_t index, const QString& value) {
    QLabel* label = anz_.at(index);
    const QString spoken = QStringLiteral("%1: %2").arg(readoutName(index), value);
    // Setting the name tells assistive technology; an unchanged one is not told again.
    if (label != nullptr && label->accessibleName() != spoken) {
        label->setAccessibleName(spoken);
    }
}

bool MainWindow::intervalReadoutEvent(QEvent* event) {
    QLabel* label = anz_[1];
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // The focus mark: the read-out takes the colours of a selection while it has the focus.
        const auto* focus = static_cast<QFocusEvent*>(event);
        const bool focused = focus->gotFocus() && focus->reason() != Qt::MouseFocusReason &&
                             focus->reason() != Qt::ActiveWindowFocusReason &&
                             focus->reason() != Qt::PopupFocusReason;
        QPalette p = label->palette();
        p.setColor(QPalette::Window, focused ? palette().color(QPalette::Highlight) : Qt::white);
        p.setColor(QPalette::WindowText,
                   focused ? palette().color(QPalette::HighlightedText) : Qt::black);
        label->setPalette(p);
        return false;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter &&
            key != Qt::Key_Down) {
            return false;
        }
        intervalMenu_->popup(label->mapToGlobal(QPoint(0, label->height())));
        return true;
    }
    default:
        return false;
    }
}

} // namespace vozavero
