#include "guarded_application.h"

#include <exception>
#include <new>

namespace tavu {

GuardedApplication::GuardedApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        if (showError_)
            showError_(QStringLiteral("メモリが足りないため、操作を完了できませんでした"));
    } catch (const std::exception& e) {
        if (showError_)
            showError_(QString::fromUtf8(e.what()));
    } catch (...) {
        if (showError_)
            showError_(QStringLiteral("予期しないエラーが発生しました"));
    }
    return false;
}

} // namespace tavu
