#pragma once

#include "app/dialogs.h"
#include "app/platform_url_opener.h"

#include <QList>
#include <QStringList>

class QWidget;

namespace tavu::test {

// One box the window asked for, with the stay-on-top state of the window at that moment.
struct DialogCall {
    QString kind; // "inform", "warn", "question", "error", "save", "open", "ask"
    QString text;
    QString caption;
    bool windowOnTop = false;
};

// Records every box and answers from a script: questions take the next of `answers`
// (OK when none is left), save and open dialogs the next of `fileNames` (cancel when none is
// left), text prompts the next of `typed`.
class FakeDialogs : public Dialogs {
public:
    QList<DialogCall> calls;
    QList<bool> answers;
    QStringList fileNames;
    QStringList typed;
    QList<SaveDialogRequest> saveRequests; // every save dialog asked for, in order
    QWidget* window = nullptr;

    void inform(const QString& text, const QString& caption = {}) override;
    void warn(const QString& text, const QString& caption) override;
    bool question(const QString& text, const QString& caption, Buttons buttons) override;
    void error(const QString& text) override;
    QString saveFileName(const SaveDialogRequest& request) override;
    QString openFileName(const SaveDialogRequest& request) override;
    QString askText(const QString& label, const QString& caption) override;

    QStringList texts() const;

private:
    void record(const QString& kind, const QString& text, const QString& caption);
};

class FakeUrlOpener : public UrlOpener {
public:
    QStringList opened;
    bool works = true; // false: as on a desktop with no browser or opener at all
    bool openUrl(const QString& url) override;
};

} // namespace tavu::test
