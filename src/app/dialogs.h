#pragma once

#include <QString>

class QWidget;

namespace tavu {

struct SaveDialogRequest {
    QString title;
    QString filter; // Qt filter syntax, entries separated by ";;"
    QString defaultSuffix;
    QString initialName; // the name chosen last time in this run
    QString folder;      // where the dialog opens
};

// Every message box and file dialog go through here, so tests can answer them and the
// window can step back from "stay on top" while one is open.
class Dialogs {
public:
    enum class Buttons { OkCancel, YesNo };

    virtual ~Dialogs() = default;
    // Plain box with an OK button; an empty caption means the application title.
    virtual void inform(const QString& text, const QString& caption = {}) = 0;
    // Exclamation icon, OK button.
    virtual void warn(const QString& text, const QString& caption) = 0;
    // Exclamation icon; true for OK or Yes.
    virtual bool question(const QString& text, const QString& caption, Buttons buttons) = 0;
    // The standard box for a failure the program did not expect (a file it could not read).
    virtual void error(const QString& text) = 0;
    // Empty when the user cancels.
    virtual QString saveFileName(const SaveDialogRequest& request) = 0;
    // An existing file to read (the request's suffix and name are not used); empty on cancel.
    virtual QString openFileName(const SaveDialogRequest& request) = 0;
    // One line the user types or pastes; empty when cancelled.
    virtual QString askText(const QString& label, const QString& caption) = 0;
};

// The real boxes: QMessageBox and QFileDialog, parented to the main window once it exists.
class QtDialogs : public Dialogs {
public:
    void setParentWindow(QWidget* window) { parent_ = window; }

    void inform(const QString& text, const QString& caption = {}) override;
    void warn(const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption, Buttons buttons) override;
    void error(const QString& text) override;
    QString saveFileName(const SaveDialogRequest& request) override;
    QString openFileName(const SaveDialogRequest& request) override;
    QString askText(const QString& label, const QString& caption) override;

private:
    QWidget* parent_ = nullptr;
};

} // namespace tavu
