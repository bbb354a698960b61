#include "data_folder_start.h"

#include "dialogs.h"
#include "preferences.h"
#include "ui_text.h"

#include <QStringList>

namespace tavu {

namespace {

QString joinedLines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const auto& line : lines)
        joined << coreText(line);
    return joined.join(QStringLiteral("\r\n"));
}

} // namespace

PreparedStartup prepareAndReadDataFolder(const DataFolderChoice& choice) {
    PreparedStartup startup;
    startup.preparation = prepareDataFolder(choice);
    if (choice.systemDir.empty()) { // nowhere to read: never the current folder by accident
        startup.files.reached = StartupFiles::Reached::MissingFile;
        return startup;
    }
    startup.use = std::make_unique<DataFolderUse>(choice.systemDir);
    startup.files = readStartupFiles(choice.systemDir);
    return startup;
}

bool dataFolderUnavailable(const PreparedStartup& startup) {
    return startup.files.reached == StartupFiles::Reached::MissingFile &&
           !startup.preparation.problem.empty() && !startup.preparation.upgradeFailed();
}

void tellDataFolderChanges(const DataFolderPreparation& preparation, const std::filesystem::path& systemDir,
                           Dialogs& dialogs, Preferences& preferences) {
    if (preparation.upgraded) {
        dialogs.inform(joinedLines(preparation.noticeLines(systemDir)));
    } else if (preparation.upgradeFailed() && preferences.upgradeFailureTold() != preparation.toVersion) {
        dialogs.warn(joinedLines(preparation.noticeLines(systemDir)), QString());
        preferences.setUpgradeFailureTold(preparation.toVersion);
    }
}

} // namespace tavu
