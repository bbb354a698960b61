#include "dialogs.h"

#include "app_strings.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tavu {

namespace {

QString captionOrTitle(const QString& caption) {
    return caption.isEmpty() ? QString::fromUtf8(text::ApplicationTitle) : caption;
}

} // namespace

void QtDialogs::inform(const QString& text, const QString& caption) {
    QMessageBox(QMessageBox::NoIcon, captionOrTitle(caption), text, QMessageBox::Ok, parent_).exec();
}

void QtDialogs::warn(const QString& text, const QString& caption) {
    QMessageBox(QMessageBox::Warning, captionOrTitle(caption), text, QMessageBox::Ok, parent_).exec();
}

bool QtDialogs::question(const QString& text, const QString& caption, Buttons buttons) {
    const bool yesNo = buttons == Buttons::YesNo;
    const auto accept = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
    const auto reject = yesNo ? QMessageBox::No : QMessageBox::Cancel;
    return QMessageBox(QMessageBox::Warning, captionOrTitle(caption), text, accept | reject, parent_)
               .exec() == accept;
}

void QtDialogs::error(const QString& text) {
    QMessageBox(QMessageBox::Critical, captionOrTitle({}), text, QMessageBox::Ok, parent_).exec();
}

QString QtDialogs::saveFileName(const SaveDialogRequest& request) {
    QFileDialog dialog(parent_, request.title, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    // Result files are replaced without a question, as the draws have always done.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtDialogs::openFileName(const SaveDialogRequest& request) {
    return QFileDialog::getOpenFileName(parent_, request.title, {}, request.filter);
}

QString QtDialogs::askText(const QString& label, const QString& caption) {
    return QInputDialog::getText(parent_, captionOrTitle(caption), label).trimmed();
}

} // namespace tavu
