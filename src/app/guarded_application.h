#pragma once
#include "ui_text.h"

#include <QApplication>
#include <exception>
#include <functional>
#include <new>

namespace tavu {

// An error escaping a handler is shown in the standard error box and the program keeps
// running, instead of Qt ending the process on an exception it cannot pass through.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    void setErrorHandler(std::function<void(const QString&)> show) { showError_ = std::move(show); }
    bool notify(QObject* receiver, QEvent* event) override {
        QString message;
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::bad_alloc&) {
            message = Ui::tr("メモリが足りないため、操作を完了できませんでした");
        } catch (const std::exception& e) {
            message = QString::fromUtf8(e.what());
        } catch (...) {
            message = Ui::tr("予期しないエラーが発生しました");
        }
        if (showError_)
            showError_(message);
        return false;
    }

private:
    std::function<void(const QString&)> showError_;
};

} // namespace tavu
