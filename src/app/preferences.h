#pragma once

#include <QString>
#include <QVariant>
#include <filesystem>
#include <memory>

class QSettings;

namespace tavu {

// The user's own preferences, kept apart from the data folder's settings (which a download
// replaces): one small INI file, <config home>/tavu/tavu.conf. Every key is named once, in
// preferences.cpp, behind an accessor here.
class Preferences {
public:
    // `file` empty: nothing is read or kept (there is no home folder to keep it in).
    explicit Preferences(const std::filesystem::path& file);
    ~Preferences();
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;

    // The file of this user, after the XDG rules.
    static std::filesystem::path userFile();

    // The installed data version whose failed upgrade of the data folder the user was last
    // told about (0: none), so that a failure is told once and not at every start.
    int upgradeFailureTold() const;
    void setUpgradeFailureTold(int dataVersion);

    // The folder the last result file was saved in (empty: none yet), offered by the next
    // save dialog, also in a later run.
    QString lastSaveFolder() const;
    void setLastSaveFolder(const QString& folder);

    // The update site's base URL the user set (empty: the build's default). tavu-cli reads
    // and writes the same entry.
    QString updateSite() const;
    void setUpdateSite(const QString& url);

    // Whether the window's result files end with the draw's code line; yes until the user
    // says otherwise in the options menu.
    bool codeLineInResultFile() const;
    void setCodeLineInResultFile(bool on);

    // The window's language: "" follows the system, "ja" or "en" as the user chose.
    QString language() const;
    void setLanguage(const QString& key);

private:
    QVariant value(const char* key) const;
    void setValue(const char* key, const QVariant& value);

    std::unique_ptr<QSettings> settings_;
};

} // namespace tavu
