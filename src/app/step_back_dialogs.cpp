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

WindowStepBack::WindowStepBack(QWidget* window)
    : window_(window)
    , wasOnTop_(window != nullptr && staysOnTop(window)) {
    if (wasOnTop_)
        setStaysOnTop(window_, false);
}

WindowStepBack::~WindowStepBack() {
    if (wasOnTop_)
        setStaysOnTop(window_, true);
}

void StepBackDialogs::inform(const QString& text, const QString& caption) {
    WindowStepBack stepBack(window_);
    inner_.inform(text, caption);
}

void StepBackDialogs::warn(const QString& text, const QString& caption) {
    WindowStepBack stepBack(window_);
    inner_.warn(text, caption);
}

bool StepBackDialogs::question(const QString& text, const QString& caption, Buttons buttons) {
    WindowStepBack stepBack(window_);
    return inner_.question(text, caption, buttons);
}

void StepBackDialogs::error(const QString& text) {
    WindowStepBack stepBack(window_);
    inner_.error(text);
}

QString StepBackDialogs::saveFileName(const SaveDialogRequest& request) {
    WindowStepBack stepBack(window_);
    return inner_.saveFileName(request);
}

QString StepBackDialogs::openFileName(const SaveDialogRequest& request) {
    WindowStepBack stepBack(window_);
    return inner_.openFileName(request);
}

QString StepBackDialogs::askText(const QString& label, const QString& caption) {
    WindowStepBack stepBack(window_);
    return inner_.askText(label, caption);
}

} // namespace tavu
