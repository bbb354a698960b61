#include "settings_saves.h"

#include "dialogs.h"
#include "ui_text.h"

#include <exception>

namespace tavu {

void SettingsSaves::loaded(const SettingsArray& onDisk) {
    onDisk_ = onDisk;
    refusal_.clear();
    refusalTold_ = false;
}

void SettingsSaves::refuse(const QString& reason) {
    refusal_ = reason;
}

bool SettingsSaves::save(const std::filesystem::path& file, const SettingsArray& settings, Asked asked,
                         Dialogs& dialogs) {
    if (refused(asked, dialogs) || !fileIsAsLeft(file, asked, dialogs))
        return false;
    try {
        SaveSettings(file, settings);
    } catch (const std::exception& e) {
        failed(coreText(e.what()), asked, dialogs);
        return false;
    }
    onDisk_ = settings;
    return true;
}

bool SettingsSaves::refused(Asked asked, Dialogs& dialogs) {
    if (refusal_.isEmpty())
        return !onDisk_; // nothing loaded yet: nothing to write over
    if (asked == Asked::ByUser || !refusalTold_)
        dialogs.warn(refusal_, {});
    refusalTold_ = true;
    return true;
}

// Another writer (a data update from the command line, a copied folder) leaves a file that
// differs from what this run last read or wrote; writing over it would put this run's record
// counts and data version over tables they do not describe.
bool SettingsSaves::fileIsAsLeft(const std::filesystem::path& file, Asked asked, Dialogs& dialogs) {
    SettingsArray current{};
    try {
        current = readSettingsReadOnly(file);
    } catch (const std::exception& e) {
        // Perhaps for a moment only (the folder is being swapped): the next save looks again.
        failed(coreText(e.what()), asked, dialogs);
        return false;
    }
    if (current == *onDisk_)
        return true;
    refuse(Ui::tr("system フォルダがこのウィンドウの外で置き換えられました (tavu-cli update など)。\r\n"
                  "読み込んだデータと合わなくなるため、この実行中は設定を保存しません。\r\n"
                  "TAVU を再起動して下さい。"));
    refused(asked, dialogs);
    return false;
}

void SettingsSaves::failed(const QString& text, Asked asked, Dialogs& dialogs) {
    if (asked == Asked::ByUser || !failureTold_)
        dialogs.error(text);
    failureTold_ = true;
}

} // namespace tavu
