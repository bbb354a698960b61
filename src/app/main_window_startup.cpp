#include "bound_page.h"
#include "draw/draw_result.h"
#include "main_window.h"
#include "store/random_source.h"
#include "store/settings_entries.h"
#include "ui_text.h"

#include <QAction>
#include <QTimer>
#include <stdexcept>

namespace tavu {

// The start-up sequence, over the files read before the controls were built. Its order is
// fixed: the settings go into the controls before the tables are taken, and the handlers that
// run while applying see only the controls applied before them.
void TMainForm::FormCreate(StartupFiles& files) {
    using Reached = StartupFiles::Reached;
    // Step 2, the hint handler, is this window's StatusTip handling (see event()).
    processRandom().Randomize();
    if (!files.notice.empty())
        ctx_.dialogs().inform(coreText(files.notice));
    if (files.reached == Reached::MissingFile) {
        timer1_->start();
        startupAborted_ = true;
        // Which file, and what is wrong with it, on the line after the message.
        ctx_.dialogs().inform(Ui::tr("システムファイルが足りません") + QStringLiteral("\r\n") +
                              coreText(files.error));
        return;
    }
    ctx_.takeSettings(files.settings);
    keepOrRefuseSaves(files);
    try {
        if (files.reached == Reached::Nothing)
            throw std::runtime_error(files.error);
        ApplySettings();
        ctx_.takeTables(std::move(files.tables));
        if (files.reached == Reached::SettingsRead)
            throw std::runtime_error(files.error);
        finishPages(firstPages_);
        ctx_.armDrawWarning(coreText(std::string(DrawWarningText)),
                            coreText(std::string(DrawWarningCaption)));
        // The book's first option as stored: start-up counts with it before the page exists.
        const bool excludeECards = ctx_.settings()[entry::BookCheckFirst] == 1;
        ctx_.countBookCards(excludeECards);
        ctx_.countRarities();
        ctx_.countBookSpells(excludeECards);
        reached_ = StartupReached::Finished;
        if (pagesComplete_)
            finishPages(waitingPages_);
    } catch (const std::exception& e) {
        // The window still opens, in the state reached so far.
        ctx_.dialogs().error(coreText(e.what()));
    }
}

// Puts the stored entries into the controls, in a fixed order (see Step). The handlers touch
// only their own page, so a page built after start-up takes its part then and ends up as it
// would have here.
void TMainForm::ApplySettings() {
    restorePages(firstPages_);
    const bool onTop = ctx_.settings()[entry::StayOnTop] != 0;
    mnuWindowPos_->setChecked(onTop);
    setStaysOnTop(this, onTop);
    showCreditNotice();
    reached_ = StartupReached::SettingsApplied;
    if (pagesComplete_)
        restorePages(waitingPages_);
}

void TMainForm::restorePages(const QList<BoundPage*>& pages) {
    for (int step = static_cast<int>(Step::Map); step < static_cast<int>(Step::AfterTables); ++step) {
        for (BoundPage* page : pages)
            page->bindings().restore(ctx_.settings(), static_cast<Step>(step));
    }
}

// What start-up does to the pages once the tables are in: their results are cleared, and what
// waits for the tables (the book's first option, whose handler counts the book cards again, to
// the same number) is restored.
void TMainForm::finishPages(const QList<BoundPage*>& pages) {
    for (BoundPage* page : pages)
        page->clearForStart();
    for (BoundPage* page : pages)
        page->bindings().restore(ctx_.settings(), Step::AfterTables);
}

// Settings that did not load are not written back: the entries not read (the data version and
// the record counts among them) would be saved as they stand and break every later start.
void TMainForm::keepOrRefuseSaves(const StartupFiles& files) {
    if (files.reached == StartupFiles::Reached::Nothing)
        ctx_.saves().refuse(
            Ui::tr("設定ファイルを読み込めなかったため、この実行中は設定を保存しません。\r\n") +
            coreText(files.error));
    else if (!files.settingsNotWritable.empty())
        ctx_.saves().refuse(
            Ui::tr("このフォルダには設定を保存できないため、この実行中は設定を保存しません。\r\n") +
            QString::fromStdString(files.systemDir.string()) + QStringLiteral("\r\n") +
            QString::fromUtf8(files.settingsNotWritable));
    else
        ctx_.saves().loaded(files.settings);
}

void TMainForm::showCreditNotice() {
    const auto& s = ctx_.settings();
    creditNotice_ =
        QStringLiteral("(C) %1 - %2").arg(s[entry::NoticeFirstYear]).arg(s[entry::NoticeLastYear]);
    noticePanel_->setText(creditNotice_);
    versionText_ = QStringLiteral("Version 1.00");
    setWindowTitle(QStringLiteral("TAVU for DS   ") + versionText_);
}

} // namespace tavu
