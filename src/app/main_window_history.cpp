#include "dialogs.h"
#include "draw_history.h"
#include "history_model.h"
#include "history_window.h"
#include "main_window.h"
#include "preferences.h"
#include "result_sharing.h"
#include "ui_text.h"
#include "window_activation.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStatusBar>

namespace tavu {

void TMainForm::buildHistoryItems(QMenu* file, QMenu* options) {
    mnuHistory_ = new QAction(Ui::tr("抽出履歴(&H)…"), file);
    mnuHistory_->setObjectName(QStringLiteral("mnuHistory"));
    mnuHistory_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuHistory_->setStatusTip(Ui::tr("これまでの抽出を一覧し、再現・コピー・書き出し・削除します"));
    mnuHistory_->setEnabled(false);
    connect(mnuHistory_, &QAction::triggered, this, &TMainForm::mnuHistoryClick);
    // Beside the other items about past draws, before the separator above 終了.
    QAction* exit = findChild<QAction*>(QStringLiteral("mnuExit"));
    file->insertAction(exit, mnuHistory_);
    file->insertSeparator(exit);
    mnuRecordHistory_ = addTickItem(options, QStringLiteral("mnuRecordHistory"), Ui::tr("履歴に記録する"),
                                    Ui::tr("抽出のたびに結果と抽出コードを抽出履歴に記録します"),
                                    &TMainForm::mnuRecordHistoryClick);
}

void TMainForm::useHistory(DrawHistory& history) {
    history_ = &history;
    ctx_.useHistory(&history);
    history.setRecording(mnuRecordHistory_->isChecked());
    mnuHistory_->setEnabled(true);
    // Told after the draw that met the trouble has shown its result.
    connect(
        &history, &DrawHistory::notice, this,
        [this](const QString& text) {
            statusBar()->showMessage(Ui::tr("抽出履歴を新しく始めました"), 10000);
            ctx_.dialogs().warn(text, Ui::tr("抽出履歴"));
        },
        Qt::QueuedConnection);
}

void TMainForm::mnuRecordHistoryClick(bool on) {
    if (history_ != nullptr)
        history_->setRecording(on);
    if (preferences_ != nullptr)
        preferences_->setRecordHistory(on);
}

void TMainForm::mnuHistoryClick() {
    if (history_ == nullptr)
        return;
    if (historyWindow_ == nullptr)
        historyWindow_ = new HistoryWindow(
            *history_, ctx_.dialogs(), [this](const QString& code) { replayCode(code); },
            [this] { return ctx_.saveFolder(); }, this);
    historyWindow_->model()->takeNewest();
    bringToFront(*historyWindow_);
}

void TMainForm::saveResultPicture(const SharedResult& result) {
    const QString saved = savePicture(result, ctx_.dialogs(), ctx_.saveFolder());
    if (!saved.isEmpty())
        ctx_.tellStatus(Ui::tr("保存しました: %1").arg(QDir::toNativeSeparators(saved)));
}

} // namespace tavu
