#include "gui_test_support.h"

#include "store/cipher.h"
#include "store/file_io.h"
#include "store/system_files.h"

namespace tavu::test {

StartedWindow::StartedWindow(const SettingsArray& settings)
    : systemDir_(makeFixtureSystem(root_.path().toStdString(), settings)) {}

StartedWindow::StartedWindow(const std::filesystem::path& sourceSystemDir)
    : systemDir_(std::filesystem::path(root_.path().toStdString()) / "system") {
    std::filesystem::copy(sourceSystemDir, systemDir_, std::filesystem::copy_options::recursive);
}

void StartedWindow::start(Pages pages) {
    window_ = std::make_unique<TMainForm>(systemDir_, dialogs, urls);
    dialogs.window = window_.get();
    if (pages == Pages::All)
        window_->completePages();
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
