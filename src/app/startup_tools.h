#pragma once

#include "folders/data_folder_choice.h"

#include <QString>
#include <filesystem>

class QApplication;
class QMainWindow;

namespace tavu {

// Options for tooling only; the program itself reads no arguments.
struct ToolOptions {
    // --system DIR: this data folder instead of the one the program picks, its bytes as given
    // (a path need not be valid UTF-8, and a round trip through QString would change it).
    std::filesystem::path systemDir;
    QString screenshotDir;       // --screenshot DIR: save a picture of every page, then quit
    bool quitAfterPaint = false; // --quit-after-paint: end right after the first paint (start-up timing)
    QString language;            // --language ja|en: this language instead of the user's choice
};

ToolOptions parseToolOptions(int argc, char** argv);

// The data folder the window works on, chosen as tavu-cli chooses it (--system, a writable
// `system` folder beside the program, or the user's data folder). Needs the application object.
DataFolderChoice dataFolder(const ToolOptions& options);

// Ends the event loop once any widget has painted for the first time.
void quitAfterFirstPaint(QApplication& app);

// Saves one PNG per tab and sub-tab of the window into `dir`; returns false on a write error.
bool saveScreenshots(QMainWindow& window, const QString& dir);

} // namespace tavu
