#include "app_context.h"

#include "store/data_error.h"
#include "store/system_files.h"

namespace tavu {

std::filesystem::path AppContext::settingsFile() const {
    return systemDir / SettingsFileName;
}

void AppContext::saveSettings() {
    try {
        SaveSettings(settingsFile(), settings);
    } catch (const std::exception& e) {
        dialogs.error(QString::fromUtf8(e.what()));
    }
}

void AppContext::storeEntry(int index, std::int32_t value) {
    settings[static_cast<std::size_t>(index)] = value;
    saveSettings();
}

SaveDialogRequest AppContext::resultFileRequest() const {
    return {QStringLiteral("TAVU ファイルの保存"),
            QStringLiteral("テキストファイル(*.txt);;全てのファイル(*.*)"), QStringLiteral("txt"),
            lastSaveName};
}

} // namespace tavu
