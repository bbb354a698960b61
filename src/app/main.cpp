#include "app/app_strings.h"
#include "app/data_folder_start.h"
#include "app/dialogs.h"
#include "app/draw_history.h"
#include "app/fonts.h"
#include "app/guarded_application.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/platform_instance_guard.h"
#include "app/platform_url_opener.h"
#include "app/preferences.h"
#include "app/startup_tools.h"
#include "app/ui_text.h"
#include "app/window_activation.h"
#include "history/history_path.h"

#include <QApplication>
#include <QLocale>
#include <future>

using namespace tavu;

// The whole process: single-instance guard, application set-up, main window, message loop.
int main(int argc, char** argv) {
    SingleInstanceGuard guard(text::InstanceName);
    const QString activationName = activationServerName(text::InstanceName);
    // A second copy brings the first one's window to the front and leaves.
    if (!guard.acquired()) {
        QCoreApplication second(argc, argv);
        askRunningWindowToShow(activationName);
        return 0;
    }
    std::future<void> fontConfig = readFontConfiguration();
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(text::ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVU_APP_ID));
    const ToolOptions options = parseToolOptions(argc, argv);
    Preferences preferences(Preferences::userFile());
    const QString languageKey = options.language.isEmpty() ? preferences.language() : options.language;
    useLanguage(shownLanguage(languageFromKey(languageKey), QLocale::system()));
    const DataFolderChoice folder = dataFolder(options);
    // The data folder is made or brought up to date if need be, then held and read (its
    // settings unlocked and flushed to disk), on a thread of its own while the font
    // configuration loads.
    auto startup = std::async(std::launch::async, prepareAndReadDataFolder, folder);
    fontConfig.wait();
    installFontSubstitutes();
    QApplication::setFont(proportionalFont(12));
    QtDialogs dialogs;
    app.setErrorHandler([&dialogs](const QString& message) { dialogs.error(message); });
    PreparedStartup prepared = startup.get();
    if (dataFolderUnavailable(prepared)) {
        dialogs.error(coreText(prepared.preparation.problem));
        return 1;
    }
    DesktopUrlOpener urls;
    // Nothing is opened before the first draw is recorded or the history is shown.
    const std::filesystem::path historyFile = history::historyFile(options.historyFile);
    DrawHistory history{history::History(historyFile)};
    TMainForm window(std::move(prepared.files), dialogs, urls);
    if (window.startupAborted())
        return 0;
    window.usePreferences(preferences);
    if (!historyFile.empty())
        window.useHistory(history);
    dialogs.setParentWindow(&window);
    window.show();
    WindowActivationServer activation(activationName, window);
    if (!options.screenshotDir.isEmpty())
        return saveScreenshots(window, options.screenshotDir) ? 0 : 1;
    if (options.quitAfterPaint) {
        quitAfterFirstPaint(app);
    } else {
        tellDataFolderChanges(prepared.preparation, folder.systemDir, dialogs, preferences);
    }
    return QApplication::exec();
}
