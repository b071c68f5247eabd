#include "ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>

namespace vozavero {

namespace {

/// Polling period in milliseconds.
constexpr int kPollMs = 10;

} // namespace

ModalDriver::ModalDriver(std::function<void(QWidget*)> action, int limitMs)
    : action_(std::move(action))
    , limitMs_(limitMs) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(kPollMs);
    clock_.start();
}

ModalDriver::~ModalDriver() {
    timer_.stop();
}

void ModalDriver::poll() {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) {
        if (clock_.elapsed() > limitMs_) {
            timer_.stop();
        }
        return;
    }
    timer_.stop();
    ran_ = true;
    const QPointer<QWidget> guard(box);
    action_(box);
    QTimer::singleShot(limitMs_, box, [guard] {
        if (guard.isNull() || !guard->isVisible()) {
            return;
        }
        ADD_FAILURE() << "modal box " << guard->objectName().toStdString() << " left open";
        if (auto* dialog = qobject_cast<QDialog*>(guard.data())) {
            dialog->reject();
        } else {
            guard->close();
        }
    });
}

} // namespace vozavero
