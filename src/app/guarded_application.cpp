#include "guarded_application.h"

#include <exception>
#include <new>

namespace tavu {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        message = QStringLiteral("メモリが足りないため、操作を完了できませんでした");
    } catch (const std::exception& e) {
        message = QString::fromUtf8(e.what());
    } catch (...) {
        message = QStringLiteral("予期しないエラーが発生しました");
    }
    if (showError_)
        showError_(message);
    return false;
}

} // namespace tavu
