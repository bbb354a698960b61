#include "app_context.h"

#include "code/data_fingerprint.h"
#include "code/result_check.h"
#include "dialogs.h"
#include "draw/result_file.h"
#include "store/data_error.h"
#include "store/random_source.h"
#include "store/system_files.h"

#include <QCheckBox>

namespace tavu {

AppContext::AppContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls)
    : systemDir_(std::move(systemDir))
    , dialogs_(dialogs)
    , urls_(urls) {}

bool AppContext::storeEntries(const EntryValues& values, SettingsSaves::Asked asked) {
    for (const auto& [index, value] : values)
        settings_[static_cast<std::size_t>(index)] = value;
    return saves_.save(systemDir_ / SettingsFileName, settings_, asked, dialogs_);
}

void AppContext::replaceSettings(const SettingsArray& settings) {
    settings_ = settings;
    saves_.loaded(settings); // later saves write over the new file
}

void AppContext::showDrawWarning() {
    dialogs_.warn(drawWarningText_, drawWarningCaption_);
}

void AppContext::writeResultFile(std::vector<std::string> lines, const QCheckBox* clearAfter,
                                 const std::function<void()>& clearResult) {
    AppendCommentFooter(lines, systemDir_);
    if (!drawCode_.isEmpty())
        lines.push_back(code::codeLine(drawCode_.toStdString()));
    const QString name =
        dialogs_.saveFileName({QStringLiteral("TAVU ファイルの保存"),
                               QStringLiteral("テキストファイル(*.txt);;全てのファイル(*.*)"),
                               QStringLiteral("txt"), lastSaveName_});
    if (!name.isEmpty()) {
        lastSaveName_ = name;
        try {
            saveResultBytes(std::filesystem::path(name.toStdU16String()), resultFileBytes(lines));
        } catch (const DataError& e) {
            dialogs_.error(QString::fromUtf8(e.what()));
            return;
        }
    }
    if (clearAfter->isEnabled() && clearAfter->isChecked())
        clearResult();
}

void AppContext::drawStarts(const code::DrawSpec& spec) {
    drawCode_.clear();
    try {
        const auto data = code::fingerprintData(systemDir_, settings_);
        drawCode_ = QString::fromStdString(code::formatCode({spec, processRandom().seed(), data}));
    } catch (const DataError&) {
        // A table that cannot be read again leaves the draw without a code, not without a result.
    }
    if (codeShown_)
        codeShown_(drawCode_);
}

void AppContext::armDrawWarning(const QString& text, const QString& caption) {
    drawWarningText_ = text;
    drawWarningCaption_ = caption;
}

void AppContext::countRarities() {
    creatureRarityCount_ = CountCreatureRarities(tables_);
    itemRarityCount_ = CountItemRarities(tables_);
}

void AppContext::countBookCards(bool excludeECards) {
    bookCardCount_ = CountBookCards(tables_, excludeECards);
}

void AppContext::countBookSpells(bool excludeECards) {
    bookSpellCount_ = CountBookSpells(tables_, excludeECards);
}

} // namespace tavu
