#include "step_back_dialogs.h"

#include <QWidget>

namespace tavu {

bool staysOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void setStaysOnTop(QWidget* window, bool onTop) {
    if (staysOnTop(window) == onTop)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides a shown window; bring it back as it was.
    if (visible)
        window->show();
}

} // namespace tavu
