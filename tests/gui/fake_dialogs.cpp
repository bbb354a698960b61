#include "fake_dialogs.h"

#include "app/step_back_dialogs.h"

#include <QWidget>

namespace tavu::test {

void FakeDialogs::record(const QString& kind, const QString& text, const QString& caption) {
    calls.append({kind, text, caption, window != nullptr && staysOnTop(window)});
}

void FakeDialogs::inform(const QString& text, const QString& caption) {
    record(QStringLiteral("inform"), text, caption);
}

void FakeDialogs::warn(const QString& text, const QString& caption) {
    record(QStringLiteral("warn"), text, caption);
}

bool FakeDialogs::question(const QString& text, const QString& caption, Buttons) {
    record(QStringLiteral("question"), text, caption);
    return answers.isEmpty() ? true : answers.takeFirst();
}

void FakeDialogs::error(const QString& text) {
    record(QStringLiteral("error"), text, {});
}

QString FakeDialogs::saveFileName(const SaveDialogRequest& request) {
    record(QStringLiteral("save"), request.title, {});
    saveRequests.append(request);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString FakeDialogs::openFileName(const SaveDialogRequest& request) {
    record(QStringLiteral("open"), request.title, {});
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString FakeDialogs::askText(const QString& label, const QString& caption) {
    record(QStringLiteral("ask"), label, caption);
    return typed.isEmpty() ? QString() : typed.takeFirst();
}

QStringList FakeDialogs::texts() const {
    QStringList result;
    for (const DialogCall& call : calls)
        result << call.text;
    return result;
}

bool FakeUrlOpener::openUrl(const QString& url) {
    if (!works)
        return false;
    opened << url;
    return true;
}

} // namespace tavu::test
