#include "app_context.h"

#include "store/system_files.h"

namespace tavu {

std::filesystem::path AppContext::settingsFile() const {
    return systemDir / SettingsFileName;
}

bool AppContext::saveSettings(SettingsSaves::Asked asked) {
    return saves.save(settingsFile(), settings, asked, dialogs);
}

void AppContext::storeEntry(int index, std::int32_t value) {
    settings[static_cast<std::size_t>(index)] = value;
    saveSettings(SettingsSaves::Asked::ByChange);
}

void AppContext::showDrawWarning() {
    dialogs.warn(drawWarningText, drawWarningCaption);
}

SaveDialogRequest AppContext::resultFileRequest() const {
    return {QStringLiteral("TAVU ファイルの保存"),
            QStringLiteral("テキストファイル(*.txt);;全てのファイル(*.*)"), QStringLiteral("txt"),
            lastSaveName};
}

} // namespace tavu
