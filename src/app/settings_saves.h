#pragma once

#include "store/settings.h"

#include <QString>
#include <filesystem>
#include <optional>

namespace tavu {

class Dialogs;

// Whether and when the window writes system.tri. A run writes only over the file it loaded:
// never after a load that failed or a start that could not write the file back, and never once
// the file holds anything but what this run last read or wrote there (a command-line update
// replaced the folder, say), since the tables in memory no longer match it.
//
// Each refusal and each failed write is told once per run, however many handlers save while
// the controls are set; a save the user asked for is always answered.
class SettingsSaves {
public:
    enum class Asked { ByChange, ByUser };

    // The file holds `onDisk` (as loaded, or as the window's own download left it).
    void loaded(const SettingsArray& onDisk);
    // Nothing is written in this run; `reason` tells the user why.
    void refuse(const QString& reason);

    // Writes `settings` over `file` when this run may; true when they were written.
    bool save(const std::filesystem::path& file, const SettingsArray& settings, Asked asked,
              Dialogs& dialogs);

private:
    bool fileIsAsLeft(const std::filesystem::path& file, Asked asked, Dialogs& dialogs);
    void failed(const QString& text, Asked asked, Dialogs& dialogs);
    bool refused(Asked asked, Dialogs& dialogs);

    std::optional<SettingsArray> onDisk_; // what the file holds as far as this run knows
    QString refusal_;
    bool refusalTold_ = false;
    bool failureTold_ = false;
};

} // namespace tavu
