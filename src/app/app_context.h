#pragma once

#include "dialogs.h"
#include "platform_url_opener.h"
#include "settings_saves.h"
#include "store/derived_counts.h"
#include "store/settings.h"
#include "store/tables.h"

#include <QString>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tavu {

// What the main window shares with its pages for the life of the process: the settings,
// the tables and their counts, the result lines waiting for a file, and the dialogs.
struct AppContext {
    AppContext(std::filesystem::path folder, Dialogs& dialogBoxes, UrlOpener& opener)
        : systemDir(std::move(folder))
        , dialogs(dialogBoxes)
        , urls(opener) {}

    std::filesystem::path systemDir;
    Dialogs& dialogs;
    UrlOpener& urls;

    SettingsArray settings{};
    SettingsSaves saves;
    TableSizes sizes;
    Tables tables;
    CreatureRarityCount creatureRarityCount{};
    ItemRarityCount itemRarityCount{};
    std::int32_t bookSpellCount = 0;
    std::int32_t bookCardCount = 0;
    std::array<std::int32_t, 3> opponentPick{};
    std::vector<std::string> outputBuffer; // Shift-JIS lines, written as held
    QString lastSaveName;                  // offered again by the next save dialog of the run

    QString drawWarningText;
    QString drawWarningCaption;
    QString creditNotice;
    QString versionText;

    std::filesystem::path settingsFile() const;

    // Rewrites and locks system.tri when this run may (see SettingsSaves); true when written.
    // The array keeps the new values either way, so that the next save writes them.
    bool saveSettings(SettingsSaves::Asked asked = SettingsSaves::Asked::ByUser);
    // A remembered control changed: its entry is stored and saved.
    void storeEntry(int index, std::int32_t value);

    // The one warning box of the draws ("抽出条件を正しく設定して下さい").
    void showDrawWarning();
    // The result-file save dialog as every draw shows it, offering the last name chosen.
    SaveDialogRequest resultFileRequest() const;
};

} // namespace tavu
