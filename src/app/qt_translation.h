#pragma once

class QCoreApplication;

namespace tavu {

// Qt's own texts (the buttons of message boxes and the file dialog, the context menus of
// edits) in Japanese, as the rest of the window is: installs Qt's translation from the Qt
// installation into `app`. False when the translation is not installed; Qt then stays English.
bool installQtJapanese(QCoreApplication& app);

} // namespace tavu
