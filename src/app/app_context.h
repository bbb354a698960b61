#pragma once

#include "page_context.h"
#include "store/derived_counts.h"

namespace tavu {

// What the main window shares with its pages for the life of the process. Pages see it
// through PageContext; start-up fills it through the rest.
class AppContext final : public PageContext {
public:
    AppContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls)
        : PageContext(std::move(systemDir), dialogs, urls) {}

    // Start-up's steps, in the order it takes them.
    void takeSettings(const SettingsArray& settings) { settings_ = settings; }
    // Whether this run may write the settings file at all (see SettingsSaves).
    SettingsSaves& saves() { return saves_; }
    void takeTables(Tables tables) { tables_ = std::move(tables); }
    void armDrawWarning(const QString& text, const QString& caption) {
        drawWarningText_ = text;
        drawWarningCaption_ = caption;
    }
    void countRarities() {
        creatureRarityCount_ = CountCreatureRarities(tables_);
        itemRarityCount_ = CountItemRarities(tables_);
    }

    const CreatureRarityCount& creatureRarityCount() const { return creatureRarityCount_; }
    const ItemRarityCount& itemRarityCount() const { return itemRarityCount_; }
    std::int32_t bookSpellCount() const { return bookSpellCount_; }
    std::int32_t bookCardCount() const { return bookCardCount_; }
    const QString& drawWarningText() const { return drawWarningText_; }
    const QString& drawWarningCaption() const { return drawWarningCaption_; }

private:
    CreatureRarityCount creatureRarityCount_{};
    ItemRarityCount itemRarityCount_{};
};

} // namespace tavu
