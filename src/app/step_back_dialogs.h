#pragma once

#include "dialogs.h"

class QWidget;

namespace tavu {

// A stay-on-top main window would hide the boxes it opens; it steps back while one is open
// and returns to the top afterwards.
class WindowStepBack {
public:
    explicit WindowStepBack(QWidget* window);
    ~WindowStepBack();
    WindowStepBack(const WindowStepBack&) = delete;
    WindowStepBack& operator=(const WindowStepBack&) = delete;

private:
    QWidget* window_;
    bool wasOnTop_;
};

// Shows the stay-on-top state of a window and changes it, keeping the window visible.
bool staysOnTop(const QWidget* window);
void setStaysOnTop(QWidget* window, bool onTop);

// Wraps the injected dialogs so that every box steps the main window back first.
class StepBackDialogs : public Dialogs {
public:
    StepBackDialogs(Dialogs& inner, QWidget* window)
        : inner_(inner)
        , window_(window) {}

    void inform(const QString& text, const QString& caption = {}) override;
    void warn(const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption, Buttons buttons) override;
    void error(const QString& text) override;
    QString saveFileName(const SaveDialogRequest& request) override;
    QString openFileName(const SaveDialogRequest& request) override;
    QString askText(const QString& label, const QString& caption) override;

private:
    Dialogs& inner_;
    QWidget* window_;
};

} // namespace tavu
