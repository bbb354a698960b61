#pragma once

#include "app/main_window.h"
#include "fake_dialogs.h"
#include "fixture_data.h"

#include <QTemporaryDir>

class QTabBar;
#include <memory>
#include <string>

namespace tavu::test {

// A main window started over its own copy of the fixture data folder, with scripted dialogs.
class StartedWindow {
public:
    // Writes the folder; `prepare` may change it before the window starts.
    explicit StartedWindow(const SettingsArray& settings = fixtureSettings());
    // A copy of an existing data folder (the bundled one) instead of the fixture.
    explicit StartedWindow(const std::filesystem::path& sourceSystemDir);

    // Builds the window and, unless told otherwise, every page at once, as a shown window
    // does right after its first paint.
    enum class Pages { All, FirstOnly };
    void start(Pages pages = Pages::All);
    // Destroys the window but keeps its data folder for a look afterwards.
    void destroyWindow() { window_.reset(); }
    TMainForm& window() { return *window_; }
    const std::filesystem::path& systemDir() const { return systemDir_; }
    std::filesystem::path settingsFile() const;

    std::string settingsBytes() const;
    bool settingsLocked() const;
    SettingsArray storedSettings() const; // as the file holds them, locked or not

    template <class T>
    T* find(const QString& name) const {
        return window_->findChild<T*>(name);
    }

    FakeDialogs dialogs;
    FakeUrlOpener urls;

private:
    QTemporaryDir root_;
    std::filesystem::path systemDir_;
    std::unique_ptr<TMainForm> window_;
};

// Chooses every tab on the way down to `widget`, as a player clicking through would; returns
// the row of tabs nearest above it.
QTabBar* bringIntoView(QWidget* widget);

// The contrast ratio of two colours as the accessibility guidelines define it: 1 for the
// same colour, 21 for black on white. Text wants 4.5, a control against its surroundings 3.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace tavu::test
