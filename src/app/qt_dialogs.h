#pragma once

#include "dialogs.h"

class QWidget;

namespace tavu {

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
