#include "creature_multiple_page.h"

#include "app_context.h"
#include "controls.h"
#include "draw/creature_draws.h"
#include "draw_steps.h"
#include "fonts.h"
#include "result_box.h"
#include "spin_edit.h"
#include "store/derived_counts.h"
#include "store/random_source.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavu {

CreatureMultiplePage::CreatureMultiplePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet11"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox2");
    names.groupLabel = QStringLiteral("属性");
    names.groupNames = {"NCB", "FCB", "SCB", "ECB", "WCB"};
    names.groupCaptions = {"無", "火", "水", "地", "風"};
    names.rarityNames = {"CRCB1B", "CRCB2B", "CRCB3B", "CRCB4B"};
    names.output = QStringLiteral("CCB2B");
    names.clearAfter = QStringLiteral("CCB3B");
    names.ok = QStringLiteral("BRandom2");
    names.clear = QStringLiteral("ButtonC1");
    auto* row = countRow(count_, QStringLiteral("CSE4B"), 50, 20, random_, QStringLiteral("CCB1B"));
    auto* conditions = buildConditions(names, row);
    list_ = makeResultBox(this, QStringLiteral("CRE"));
    // Fixed pitch so that the element and name columns line up.
    list_->setBoxFont(fixedFont(13));
    placeSideBySide(conditions, list_);

    connectFilters(this, &CreatureMultiplePage::NCBClick, &CreatureMultiplePage::CCB2BClick,
                   &CreatureMultiplePage::CCB3BClick);
    connect(count_, &SpinEdit::valueChanged, this, &CreatureMultiplePage::CSE4BChange);
    connect(random_, &QCheckBox::toggled, this, &CreatureMultiplePage::CCB1BClick);
    connect(ok_, &QPushButton::clicked, this, &CreatureMultiplePage::BRandom2Click);
    connect(clear_, &QPushButton::clicked, this, &CreatureMultiplePage::ButtonC1Click);
}

void CreatureMultiplePage::NCBClick() {
    runFilterRule(entry::CreatureMultipleRarityE, false);
}

void CreatureMultiplePage::CSE4BChange() {
    ctx_.storeEntry(entry::CreatureMultipleCount, count_->value());
}

void CreatureMultiplePage::CCB1BClick() {
    runRandomCountRule(random_, count_, entry::CreatureRandomCount);
}

void CreatureMultiplePage::CCB2BClick() {
    runOutputRule(entry::CreatureMultipleOutput);
}

void CreatureMultiplePage::CCB3BClick() {
    storeOwnIndex(clearAfter_, entry::CreatureMultipleClear);
}

void CreatureMultiplePage::BRandom2Click() {
    runUnderDrawGuard(ctx_, [this] {
        list_->clear();
        ctx_.outputBuffer.clear();
        ctx_.creatureRarityCount = CountCreatureRarities(ctx_.tables);
        CreatureFilter filter{ticks<ElementCount>(groups_), ticks<RarityCount>(rarities_)};
        MultipleDrawResult result = drawCreatureMultiple(
            ctx_.tables, filter, MultipleCount{count_->value(), random_->isChecked()}, processRandom());
        finishMultipleDraw(result, list_, count_);
    });
}

void CreatureMultiplePage::ButtonC1Click() {
    list_->clear();
}

} // namespace tavu
