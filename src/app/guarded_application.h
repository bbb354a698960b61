#pragma once

#include <QApplication>
#include <functional>

namespace tavu {

// An error escaping a handler is shown in the standard error box and the program keeps
// running, instead of Qt ending the process on an exception it cannot pass through.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    void setErrorHandler(std::function<void(const QString&)> show) { showError_ = std::move(show); }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    std::function<void(const QString&)> showError_;
};

} // namespace tavu
