#pragma once

#include <memory>

class QCoreApplication;
class QTranslator;

namespace tavu {

// Qt's own texts (the buttons of message boxes and the file dialog, the context menus of
// edits) in Japanese, as the rest of the window is: Qt's translation from the Qt installation,
// or null when it is not installed (Qt then stays English).
std::unique_ptr<QTranslator> loadQtJapanese();
// The same, installed into `app` for its whole run. False when not installed.
bool installQtJapanese(QCoreApplication& app);

} // namespace tavu
