#include "spell_multiple_page.h"

#include "app_context.h"
#include "controls.h"
#include "draw/spell_draws.h"
#include "draw_steps.h"
#include "fonts.h"
#include "result_box.h"
#include "spin_edit.h"
#include "store/random_source.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QPushButton>

namespace tavu {

SpellMultiplePage::SpellMultiplePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet16"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox6");
    names.rarityNames = {"SCB2N", "SCB2S", "SCB2R", "SCB2E"};
    names.output = QStringLiteral("SCB2B");
    names.clearAfter = QStringLiteral("SCB3B");
    names.ok = QStringLiteral("BRandom6");
    names.clear = QStringLiteral("ButtonC3");
    auto* row = countRow(count_, QStringLiteral("SSE1B"), 50, 15, random_, QStringLiteral("SCB1B"));
    auto* conditions = buildConditions(names, row);
    list_ = makeResultBox(this, QStringLiteral("SpellRE"));
    list_->setBoxFont(proportionalFont(12));
    placeSideBySide(conditions, list_);

    connectFilters(this, &SpellMultiplePage::SCB2NClick, &SpellMultiplePage::SCB2BClick,
                   &SpellMultiplePage::SCB3BClick);
    connect(count_, &SpinEdit::valueChanged, this, &SpellMultiplePage::SSE1BChange);
    connect(random_, &QCheckBox::toggled, this, &SpellMultiplePage::SCB1BClick);
    connect(ok_, &QPushButton::clicked, this, &SpellMultiplePage::BRandom6Click);
    connect(clear_, &QPushButton::clicked, this, &SpellMultiplePage::ButtonC3Click);
}

void SpellMultiplePage::SCB2NClick() {
    runFilterRule(entry::SpellMultipleRarityE, false);
}

void SpellMultiplePage::SSE1BChange() {
    ctx_.storeEntry(entry::SpellMultipleCount, count_->value());
}

void SpellMultiplePage::SCB1BClick() {
    runRandomCountRule(random_, count_, entry::SpellRandomCount);
}

void SpellMultiplePage::SCB2BClick() {
    runOutputRule(entry::SpellMultipleOutput);
}

void SpellMultiplePage::SCB3BClick() {
    storeOwnIndex(clearAfter_, entry::SpellMultipleClear);
}

void SpellMultiplePage::BRandom6Click() {
    runShowingErrors(ctx_, [this] {
        list_->clear();
        ctx_.outputBuffer.clear();
        RarityTicks filter = ticks<RarityCount>(rarities_);
        MultipleDrawResult result = drawSpellMultiple(
            ctx_.tables, filter, MultipleCount{count_->value(), random_->isChecked()}, processRandom());
        finishMultipleDraw(result, list_, count_);
    });
}

void SpellMultiplePage::ButtonC3Click() {
    list_->clear();
}

} // namespace tavu
