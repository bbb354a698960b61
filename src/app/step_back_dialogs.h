#pragma once

#include "dialogs.h"

#include <QWidget>

namespace tavu {

// Shows the stay-on-top state of a window and changes it, keeping the window visible.
inline bool staysOnTop(const QWidget* window) {
    return window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

inline void setStaysOnTop(QWidget* window, bool onTop) {
    if (staysOnTop(window) == onTop)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing a window flag hides a shown window; bring it back as it was.
    if (visible)
        window->show();
}

// A stay-on-top main window would hide the boxes it opens; it steps back while one is open
// and returns to the top afterwards.
class WindowStepBack {
public:
    explicit WindowStepBack(QWidget* window)
        : window_(window)
        , wasOnTop_(window != nullptr && staysOnTop(window)) {
        if (wasOnTop_)
            setStaysOnTop(window_, false);
    }
    ~WindowStepBack() {
        if (wasOnTop_)
            setStaysOnTop(window_, true);
    }
    WindowStepBack(const WindowStepBack&) = delete;
    WindowStepBack& operator=(const WindowStepBack&) = delete;

private:
    QWidget* window_;
    bool wasOnTop_;
};

// Wraps the injected dialogs so that every box steps the main window back first.
class StepBackDialogs : public Dialogs {
public:
    StepBackDialogs(Dialogs& inner, QWidget* window)
        : inner_(inner)
        , window_(window) {}

    void inform(const QString& text, const QString& caption = {}) override {
        WindowStepBack stepBack(window_);
        inner_.inform(text, caption);
    }
    void warn(const QString& text, const QString& caption) override {
        WindowStepBack stepBack(window_);
        inner_.warn(text, caption);
    }
    bool question(const QString& text, const QString& caption, Buttons buttons) override {
        WindowStepBack stepBack(window_);
        return inner_.question(text, caption, buttons);
    }
    void error(const QString& text) override {
        WindowStepBack stepBack(window_);
        inner_.error(text);
    }
    QString saveFileName(const SaveDialogRequest& request) override {
        WindowStepBack stepBack(window_);
        return inner_.saveFileName(request);
    }
    QString openFileName(const SaveDialogRequest& request) override {
        WindowStepBack stepBack(window_);
        return inner_.openFileName(request);
    }
    QString askText(const QString& label, const QString& caption) override {
        WindowStepBack stepBack(window_);
        return inner_.askText(label, caption);
    }

private:
    Dialogs& inner_;
    QWidget* window_;
};

} // namespace tavu
