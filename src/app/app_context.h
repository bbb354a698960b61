#pragma once

#include "page_context.h"
#include "settings_saves.h"
#include "store/derived_counts.h"

#include <QString>

namespace tavu {

// What the main window shares with its pages for the life of the process. Pages see it
// through PageContext; start-up fills it through the rest.
class AppContext final : public PageContext {
public:
    AppContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls);

    Dialogs& dialogs() override { return dialogs_; }
    UrlOpener& urls() override { return urls_; }
    const std::filesystem::path& systemDir() const override { return systemDir_; }
    const Tables& tables() const override { return tables_; }
    const SettingsArray& settings() const override { return settings_; }
    bool storeEntries(const EntryValues& values, SettingsSaves::Asked asked) override;
    void replaceSettings(const SettingsArray& settings) override;
    void showDrawWarning() override;
    void writeResultFile(std::vector<std::string> lines, const QCheckBox* clearAfter,
                         const std::function<void()>& clearResult) override;
    void countBookCards(bool excludeECards) override;
    void countBookSpells(bool excludeECards) override;
    void drawStarts(const code::DrawSpec& spec) override;

    // The code of the last draw (empty before the first, or when the data could not be read
    // for its fingerprint), and who is told of each new one.
    const QString& drawCode() const { return drawCode_; }
    void onDrawCode(std::function<void(const QString&)> shown) { codeShown_ = std::move(shown); }

    // Start-up's steps, in the order it takes them.
    void takeSettings(const SettingsArray& settings) { settings_ = settings; }
    // Whether this run may write the settings file at all (see SettingsSaves).
    SettingsSaves& saves() { return saves_; }
    void takeTables(Tables tables) { tables_ = std::move(tables); }
    void armDrawWarning(const QString& text, const QString& caption);
    void countRarities();

    const CreatureRarityCount& creatureRarityCount() const { return creatureRarityCount_; }
    const ItemRarityCount& itemRarityCount() const { return itemRarityCount_; }
    std::int32_t bookSpellCount() const { return bookSpellCount_; }
    std::int32_t bookCardCount() const { return bookCardCount_; }
    const QString& drawWarningText() const { return drawWarningText_; }
    const QString& drawWarningCaption() const { return drawWarningCaption_; }

private:
    std::filesystem::path systemDir_;
    Dialogs& dialogs_;
    UrlOpener& urls_;
    SettingsArray settings_{};
    SettingsSaves saves_;
    Tables tables_;
    CreatureRarityCount creatureRarityCount_{};
    ItemRarityCount itemRarityCount_{};
    std::int32_t bookSpellCount_ = 0;
    std::int32_t bookCardCount_ = 0;
    QString lastSaveName_; // offered again by the next save dialog of the run
    QString drawWarningText_;
    QString drawWarningCaption_;
    QString drawCode_;
    std::function<void(const QString&)> codeShown_;
};

} // namespace tavu
