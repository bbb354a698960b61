#include "app_strings.h"
#include "bound_page.h"
#include "code/data_fingerprint.h"
#include "code/draw_code.h"
#include "code/result_check.h"
#include "code_replay.h"
#include "dialogs.h"
#include "draw_history.h"
#include "main_window.h"
#include "preferences.h"
#include "store/data_error.h"
#include "store/field_reader.h"
#include "store/file_io.h"
#include "store/random_source.h"
#include "ui_text.h"

#include <QAction>
#include <QMenu>

namespace tavu {

namespace {
// A result file is a page of lines; anything far larger is not one and is refused unread.
constexpr std::size_t ResultFileLimit = 1 << 20;
const char* const CodeCaption = QT_TRANSLATE_NOOP("tavu::Ui", "抽出コード");
} // namespace

void TMainForm::buildCodeMenuItems(QMenu* file) {
    addMenuItem(file, QStringLiteral("mnuReplayCode"), Ui::tr("抽出コードから再現…"),
                Ui::tr("抽出コードの条件と乱数でもう一度抽出します"), &TMainForm::mnuReplayCodeClick);
    addMenuItem(file, QStringLiteral("mnuCheckFile"), Ui::tr("結果ファイルを検証…"),
                Ui::tr("結果ファイルを抽出コードで抽出し直して照合します"), &TMainForm::mnuCheckFileClick);
    file->addSeparator();
}

void TMainForm::buildCodeLineItem(QMenu* options) {
    mnuCodeLine_ =
        addTickItem(options, QStringLiteral("mnuCodeLine"), Ui::tr("結果ファイルに抽出コードを書く"),
                    Ui::tr("結果ファイルの最後に抽出コードの行を書き込みます"), &TMainForm::mnuCodeLineClick);
}

void TMainForm::usePreferences(Preferences& preferences) {
    preferences_ = &preferences;
    ctx_.usePreferences(&preferences);
    const bool on = preferences.codeLineInResultFile();
    mnuCodeLine_->setChecked(on);
    ctx_.writeCodeLine(on);
    mnuRecordHistory_->setChecked(preferences.recordHistory());
    if (history_ != nullptr)
        history_->setRecording(mnuRecordHistory_->isChecked());
}

void TMainForm::mnuCodeLineClick(bool on) {
    ctx_.writeCodeLine(on);
    if (preferences_ != nullptr)
        preferences_->setCodeLineInResultFile(on);
}

void TMainForm::mnuReplayCodeClick() {
    const QString text = ctx_.dialogs().askText(Ui::tr("抽出コードを入力して下さい"), Ui::tr(CodeCaption));
    if (!text.isEmpty())
        replayCode(text);
}

void TMainForm::replayCode(const QString& text) {
    const auto parsed = code::parseCode(text.toStdString());
    if (!parsed.code)
        return ctx_.dialogs().warn(coreText(parsed.message), Ui::tr(CodeCaption));
    try {
        const auto here = code::fingerprintData(ctx_.systemDir(), ctx_.settings());
        if (here.hash != parsed.code->data.hash &&
            !ctx_.dialogs().question(
                Ui::tr("この抽出コードは別のデータで抽出されました (抽出時のデータ: %1、このデータ: %2)。\n"
                       "このデータで抽出しますか？")
                    .arg(QString::fromStdString(code::dataVersionText(parsed.code->data)),
                         QString::fromStdString(code::dataVersionText(here))),
                Ui::tr(CodeCaption), Dialogs::Buttons::YesNo))
            return;
    } catch (const DataError& e) {
        return ctx_.dialogs().error(coreText(e.what()));
    }
    completePages();
    BoundPage* page = pageOfDraw(pages(), parsed.code->plan);
    if (page == nullptr)
        return;
    processRandom().setSeed(parsed.code->seed);
    if (!drawOnPage(page, parsed.code->plan))
        ctx_.showDrawWarning();
}

void TMainForm::mnuCheckFileClick() {
    const QString name = ctx_.dialogs().openFileName({Ui::tr("結果ファイルを検証"),
                                                      Ui::tr("テキストファイル(*.txt);;全てのファイル(*.*)"),
                                                      {},
                                                      {},
                                                      ctx_.saveFolder()});
    if (name.isEmpty())
        return;
    try {
        const auto lines =
            splitLines(readWholeFile(std::filesystem::path(name.toStdU16String()), ResultFileLimit));
        const auto here = code::fingerprintData(ctx_.systemDir(), ctx_.settings());
        const auto report = code::checkResultLines(lines, ctx_.tables(), here);
        const QString words = coreText(code::describeCheck(report, here));
        if (report.outcome == code::CheckOutcome::Match)
            ctx_.dialogs().inform(words, Ui::tr("結果ファイルの検証"));
        else
            ctx_.dialogs().warn(words, Ui::tr("結果ファイルの検証"));
    } catch (const DataError& e) {
        ctx_.dialogs().error(coreText(e.what()));
    }
}

} // namespace tavu
