#include "preferences.h"

#include "folders/preference_entry.h"
#include "folders/user_folders.h"

#include <QSettings>

namespace tavu {

namespace {
constexpr const char* UpgradeFailureToldKey = "DataFolder/UpgradeFailureTold";
constexpr const char* LastSaveFolderKey = "Results/LastSaveFolder";
constexpr const char* CodeLineKey = "ResultFile/CodeLine";
constexpr const char* LanguageKey = "Window/Language";
} // namespace

Preferences::Preferences(const std::filesystem::path& file) {
    if (!file.empty())
        settings_ = std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat);
}

Preferences::~Preferences() = default;

std::filesystem::path Preferences::userFile() {
    return preferencesFile(UserFolders::fromProcess());
}

int Preferences::upgradeFailureTold() const {
    return value(UpgradeFailureToldKey).toInt();
}

void Preferences::setUpgradeFailureTold(int dataVersion) {
    setValue(UpgradeFailureToldKey, dataVersion);
}

QString Preferences::lastSaveFolder() const {
    return value(LastSaveFolderKey).toString();
}

void Preferences::setLastSaveFolder(const QString& folder) {
    setValue(LastSaveFolderKey, folder);
}

QString Preferences::updateSite() const {
    static const std::string key = std::string(UpdateSiteSection) + "/" + std::string(UpdateSiteKey);
    return value(key.c_str()).toString();
}

void Preferences::setUpdateSite(const QString& url) {
    static const std::string key = std::string(UpdateSiteSection) + "/" + std::string(UpdateSiteKey);
    setValue(key.c_str(), url);
}

bool Preferences::codeLineInResultFile() const {
    const QVariant on = value(CodeLineKey);
    return !on.isValid() || on.toBool();
}

void Preferences::setCodeLineInResultFile(bool on) {
    setValue(CodeLineKey, on);
}

QString Preferences::language() const {
    return value(LanguageKey).toString();
}

void Preferences::setLanguage(const QString& key) {
    setValue(LanguageKey, key);
}

QVariant Preferences::value(const char* key) const {
    return settings_ ? settings_->value(QString::fromLatin1(key)) : QVariant();
}

void Preferences::setValue(const char* key, const QVariant& value) {
    if (!settings_)
        return;
    settings_->setValue(QString::fromLatin1(key), value);
    settings_->sync(); // written at once: a crash later in the run must not lose it
}

} // namespace tavu
