#pragma once
// Answers a modal box from the test so that no test waits for a person: polls for the active modal
// widget while the box's own event loop runs and hands it to an action that presses its buttons.
// A box the action leaves open is rejected after the time limit and counted as a failure.
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QWidget;

namespace vozavero {

class ModalDriver {
public:
    /// action gets the first modal widget that appears; limitMs (milliseconds) bounds both the
    /// wait for the box and the time the box may stay open after the action.
    explicit ModalDriver(std::function<void(QWidget*)> action, int limitMs = 5000);
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    /// Whether a modal box appeared and the action ran.
    bool ran() const { return ran_; }

private:
    void poll();

    std::function<void(QWidget*)> action_;
    int limitMs_;
    QTimer timer_;
    QElapsedTimer clock_;
    bool ran_ = false;
};

} // namespace vozavero
