#include "app_strings.h"
#include "book_page.h"
#include "creature_multiple_page.h"
#include "creature_single_page.h"
#include "item_multiple_page.h"
#include "item_single_page.h"
#include "main_window.h"
#include "map_page.h"
#include "spell_multiple_page.h"
#include "spell_single_page.h"
#include "store/random_source.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>

namespace tavu {

// The start-up sequence, over the files read before the controls were built. Its order is
// fixed: the settings go into the controls before the tables are taken, and the handlers that
// run while applying see only the controls applied before them.
void TMainForm::FormCreate(StartupFiles& files) {
    using Reached = StartupFiles::Reached;
    ctx_.opponentPick = {0, 0, 0};
    ctx_.bookCardCount = 0;
    // Step 2, the hint handler, is this window's StatusTip handling (see event()).
    processRandom().Randomize();
    if (!files.notice.empty())
        ctx_.dialogs.inform(QString::fromStdString(files.notice));
    if (files.reached == Reached::MissingFile) {
        timer1_->start();
        startupAborted_ = true;
        // Which file, and what is wrong with it, on the line after the message.
        ctx_.dialogs.inform(QString::fromUtf8(text::MissingSystemFile) + QStringLiteral("\r\n") +
                            QString::fromStdString(files.error));
        return;
    }
    ctx_.settings = files.settings;
    keepOrRefuseSaves(files);
    try {
        if (files.reached == Reached::Nothing)
            throw std::runtime_error(files.error);
        ApplySettings();
        ctx_.sizes = files.sizes;
        ctx_.tables = std::move(files.tables);
        if (files.reached == Reached::SettingsRead)
            throw std::runtime_error(files.error);
        creatureSingle_->ButtonC4Click();
        ctx_.outputBuffer.clear();
        ctx_.drawWarningText = QString::fromUtf8(text::DrawWarningText);
        ctx_.drawWarningCaption = QString::fromUtf8(text::DrawWarningCaption);
        ctx_.bookCardCount = CountBookCards(ctx_.tables, bookCountsFirstOption());
        computeDerivedCounts();
        reached_ = StartupReached::Finished;
        if (pagesComplete_)
            finishWaitingPages();
    } catch (const std::exception& e) {
        // The window still opens, in the state reached so far.
        ctx_.dialogs.error(QString::fromUtf8(e.what()));
    }
}

// Settings that did not load are not written back: the entries not read (the data version and
// the record counts among them) would be saved as they stand and break every later start.
void TMainForm::keepOrRefuseSaves(const StartupFiles& files) {
    if (files.reached == StartupFiles::Reached::Nothing)
        ctx_.saves.refuse(QString::fromUtf8(text::SettingsNotLoaded) + QString::fromUtf8(files.error));
    else if (!files.settingsNotWritable.empty())
        ctx_.saves.refuse(QString::fromUtf8(text::SettingsNotWritable) +
                          QString::fromStdString(files.systemDir.string()) + QStringLiteral("\r\n") +
                          QString::fromUtf8(files.settingsNotWritable));
    else
        ctx_.saves.loaded(files.settings);
}

void TMainForm::showCreditNotice() {
    const auto& s = ctx_.settings;
    ctx_.creditNotice = QString::fromUtf8(text::CreditPrefix) + QString::number(s[entry::NoticeFirstYear]) +
                        QStringLiteral(" - ") + QString::number(s[entry::NoticeLastYear]);
    noticePanel_->setText(ctx_.creditNotice);
    ctx_.versionText = QString::fromUtf8(text::VersionText);
    setWindowTitle(QString::fromUtf8(text::CaptionPrefix) + ctx_.versionText);
}

// What start-up does to the pages built after it: their results are cleared, the book's
// first option takes its stored tick (its handler counts the book cards again, to the same
// number) and the map's displays start empty.
void TMainForm::finishWaitingPages() {
    creatureMultiple_->ButtonC1Click();
    itemMultiple_->ButtonC2Click();
    spellMultiple_->ButtonC3Click();
    itemSingle_->ButtonC5Click();
    spellSingle_->ButtonC6Click();
    book_->ButtonAbsoluteClearClick();
    book_->options()[0]->setChecked(bookCountsFirstOption());
    for (QLineEdit* field : map_->displays())
        field->clear();
    for (QCheckBox* box : map_->facilities())
        box->setChecked(false);
}

// The book page's first option as stored; start-up counts with it before the page exists.
bool TMainForm::bookCountsFirstOption() const {
    return ctx_.settings[entry::BookCheckFirst] == 1;
}

void TMainForm::computeDerivedCounts() {
    ctx_.creatureRarityCount = CountCreatureRarities(ctx_.tables);
    ctx_.itemRarityCount = CountItemRarities(ctx_.tables);
    ctx_.bookSpellCount = CountBookSpells(ctx_.tables, bookCountsFirstOption());
}

} // namespace tavu
