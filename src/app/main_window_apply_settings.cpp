#include "main_window.h"
#include "spin_edit.h"
#include "store/settings_entries.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>

namespace tavu {

namespace {

// A stored position outside the item list shows no selection. Runs no handler.
void selectStored(QComboBox* combo, std::int32_t index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

} // namespace

// Puts the stored entries into the controls, in a fixed order. Setting a box or a spin edit
// runs its handler when the value differs, exactly as a user's change would, so the enabled
// states, greyed spin edits and OK buttons come out by the same rules as during use.
//
// The handlers touch only their own page, so a page built after start-up takes its part
// then (applyWaitingPageSettings) and ends up as it would have here.
void TMainForm::ApplySettings() {
    applyFirstPageSettings();
    const bool onTop = ctx_.settings[entry::StayOnTop] != 0;
    mnuWindowPos_->setChecked(onTop);
    setStaysOnTop(this, onTop);
    showCreditNotice();
    reached_ = StartupReached::SettingsApplied;
    if (pagesComplete_)
        applyWaitingPageSettings();
}

void TMainForm::applyFirstPageSettings() {
    const auto& s = ctx_.settings;
    selectStored(control<QComboBox>("CCB1A"), s[entry::CreatureSingleCopies]);
    applyOutputPair("CCB2A", entry::CreatureSingleOutput, "CCB3A", entry::CreatureSingleClear);
    control<QCheckBox>("CRCB4A")->setChecked(s[entry::CreatureSingleRarityE] == entry::RarityEChecked);
}

void TMainForm::applyWaitingPageSettings() {
    const auto& s = ctx_.settings;
    auto at = [&s](int index) {
        return s[static_cast<std::size_t>(index)];
    };
    auto check = [this](const char* name, bool checked) {
        control<QCheckBox>(name)->setChecked(checked);
    };
    auto number = [this](const char* name, std::int32_t value) {
        control<SpinEdit>(name)->setValue(value);
    };
    auto select = [this](const char* name, std::int32_t index) {
        selectStored(control<QComboBox>(name), index);
    };

    const char* rules[] = {"SetU1", "SetU2", "SetU3", "SetU4", "SetU5", "SetU6", "SetU7"};
    for (int i = 0; i < 7; ++i)
        check(rules[i], at(entry::MapRuleFirst + i) == 1);
    select("CBSet1", at(entry::MapCondition));
    const char* ranges[] = {"SESet1", "SESet2", "SESet3", "SESet4", "SESet5", "SESet6"};
    for (int i = 0; i < 6; ++i)
        number(ranges[i], at(entry::MapSpinFirst + i));
    select("CBset2", at(entry::LandElement));
    select("CBset3", at(entry::LandLevel));
    select("CBSet4", at(entry::SuddenDeath));

    number("AbsoluteSE1", at(entry::BookCountFirst));
    number("AbsoluteSE2", at(entry::BookCountFirst + 1));
    number("AbsoluteSE3", at(entry::BookCountFirst + 2));
    auto* bookClear = control<QCheckBox>("AbsoluteCB3");
    if (at(entry::BookCheckFirst + 1) == 1) {
        check("AbsoluteCB2", true);
        bookClear->setEnabled(true);
        bookClear->setChecked(at(entry::BookCheckFirst + 2) == 1);
    } else {
        check("AbsoluteCB2", false);
        bookClear->setChecked(false);
        bookClear->setEnabled(false);
    }
    check("AbsoluteCB4", at(entry::BookCheckFirst + 3) == 1);

    number("CSE4B", at(entry::CreatureMultipleCount));
    select("ICB4", at(entry::ItemSingleCopies));
    number("ISE4B", at(entry::ItemMultipleCount));
    select("SpellCB1A", at(entry::SpellSingleCopies));
    number("SSE1B", at(entry::SpellMultipleCount));

    applyOutputPair("CCB2B", entry::CreatureMultipleOutput, "CCB3B", entry::CreatureMultipleClear);
    applyOutputPair("ICB1", entry::ItemSingleOutput, "ICB2", entry::ItemSingleClear);
    applyOutputPair("ICB5B", entry::ItemMultipleOutput, "ICB6B", entry::ItemMultipleClear);
    applyOutputPair("SCB1A", entry::SpellSingleOutput, "SCB2A", entry::SpellSingleClear);
    applyOutputPair("SCB2B", entry::SpellMultipleOutput, "SCB3B", entry::SpellMultipleClear);

    check("CCB1B", at(entry::CreatureRandomCount) == entry::CreatureRandomCount);
    check("ICB4B", at(entry::ItemRandomCount) == entry::ItemRandomCount);
    check("SCB1B", at(entry::SpellRandomCount) == entry::SpellRandomCount);
    const char* eBoxes[] = {"CRCB4B", "ItemReaCBox1E", "ItemReaCBox2E", "SCB1E", "SCB2E"};
    for (int i = 0; i < 5; ++i)
        check(eBoxes[i], at(entry::CreatureSingleRarityE + 1 + i) == entry::RarityEChecked);

    const char* elements[] = {"VS_CB1", "VS_CB2", "VS_CB3", "VS_CB4", "VS_CB5"};
    for (int i = 0; i < 5; ++i)
        check(elements[i], at(entry::CpuElementFirst + i) == 1);
    select("VS_ComboBox", at(entry::CpuCount));
    const bool cpuOutput = at(entry::CpuOutput) == 1;
    check("VS_CBFile1", cpuOutput);
    check("VS_CBFile2", cpuOutput && at(entry::CpuClear) == 1);
    select("VS_CBox2", at(entry::CpuAllies));
}

void TMainForm::applyOutputPair(const char* output, int outputEntry, const char* clearAfter, int clearEntry) {
    const auto& s = ctx_.settings;
    if (s[static_cast<std::size_t>(outputEntry)] != outputEntry) {
        control<QCheckBox>(output)->setChecked(false);
        return;
    }
    control<QCheckBox>(output)->setChecked(true);
    control<QCheckBox>(clearAfter)->setChecked(s[static_cast<std::size_t>(clearEntry)] == clearEntry);
}

} // namespace tavu
