#include "gui_test_support.h"

#include "store/cipher.h"
#include "store/file_io.h"
#include "store/system_files.h"

namespace tavu::test {

StartedWindow::StartedWindow(const SettingsArray& settings)
    : systemDir_(makeFixtureSystem(root_.path().toStdString(), settings)) {}

void StartedWindow::start() {
    window_ = std::make_unique<TMainForm>(systemDir_, dialogs, urls);
    dialogs.window = window_.get();
}

std::filesystem::path StartedWindow::settingsFile() const {
    return systemDir_ / SettingsFileName;
}

std::string StartedWindow::settingsBytes() const {
    return readWholeFile(settingsFile());
}

bool StartedWindow::settingsLocked() const {
    return unlockBytes(settingsBytes(), SettingsKey).has_value();
}

SettingsArray StartedWindow::storedSettings() const {
    return readSettingsReadOnly(settingsFile());
}

} // namespace tavu::test
