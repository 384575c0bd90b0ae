#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace TestSupport {

// Hands the next modal dialog to `handle` from inside the event loop that
// dialog runs, so a test can look at it and close it. Stops looking when the
// script goes out of scope, so a dialog that never came cannot leak into the
// next test; any dialog still open after the handler is a failure.
class NextModalDialog
{
public:
    using Handler = std::function<void(QWidget*)>;

    explicit NextModalDialog(Handler handle) : handle_(std::move(handle))
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr || !dialog->isVisible())
                return;
            if (handled_) {
                // Closed, so that the test fails instead of waiting forever.
                ADD_FAILURE() << "dialog left open: " << dialog->metaObject()->className();
                dialog->close();
                return;
            }
            handled_ = true;
            handle_(dialog);
        });
        timer_.start();
    }
    NextModalDialog(const NextModalDialog&) = delete;
    NextModalDialog& operator=(const NextModalDialog&) = delete;

    bool Handled() const { return handled_; }

private:
    Handler handle_;
    QTimer timer_;
    bool handled_ = false;
};

} // namespace TestSupport
