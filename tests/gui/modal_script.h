// Driving modal dialogs from a test: each action runs once on the next modal widget that opens
// (QApplication::activeModalWidget), in order, from the event loop that widget's exec() runs.
// A modal left open with no action for it is closed after a while, so a failing test fails
// instead of hanging.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace zelvo::test {

class ModalScript {
public:
    using Action = std::function<void(QWidget*)>;

    ModalScript() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    ModalScript& then(Action action) {
        actions_.push_back(std::move(action));
        return *this;
    }

    // True when every action has run.
    bool done() const { return actions_.empty(); }
    int handled() const { return handled_; }
    // Modals that had to be closed because no action was left for them.
    int unexpected() const { return unexpected_; }

private:
    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QWidget> current_;
    QElapsedTimer leftOpen_;
    int handled_ = 0;
    int unexpected_ = 0;

    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (modal == current_) {
            if (leftOpen_.isValid() && leftOpen_.elapsed() > 3000) {
                ++unexpected_;
                modal->close();
            }
            return;
        }
        current_ = modal;
        leftOpen_.start();
        if (actions_.empty()) return;
        Action action = std::move(actions_.front());
        actions_.pop_front();
        ++handled_;
        action(modal);
    }
};

}  // namespace zelvo::test
