#include "gui_test_support.h"

#include "store/cipher.h"
#include "store/file_io.h"
#include "store/system_files.h"

#include <QColor>
#include <QCoreApplication>
#include <QStackedWidget>
#include <QTabWidget>
#include <algorithm>
#include <cmath>

namespace tavu::test {

StartedWindow::StartedWindow(const SettingsArray& settings)
    : systemDir_(makeFixtureSystem(root_.path().toStdString(), settings)) {}

StartedWindow::StartedWindow(const std::filesystem::path& sourceSystemDir)
    : systemDir_(std::filesystem::path(root_.path().toStdString()) / "system") {
    std::filesystem::copy(sourceSystemDir, systemDir_, std::filesystem::copy_options::recursive);
}

void StartedWindow::start(Pages pages) {
    window_ = std::make_unique<TMainForm>(readStartupFiles(systemDir_), dialogs, urls);
    dialogs.window = window_.get();
    if (pages == Pages::All)
        window_->completePages();
}

QTabBar* bringIntoView(QWidget* widget) {
    QTabBar* nearest = nullptr;
    for (QWidget* page = widget; page->parentWidget(); page = page->parentWidget()) {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (auto* tabs = stack ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr) {
            tabs->setCurrentWidget(page);
            if (nearest == nullptr)
                nearest = tabs->tabBar();
        }
    }
    QCoreApplication::processEvents();
    return nearest;
}

double contrastRatio(const QColor& a, const QColor& b) {
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
