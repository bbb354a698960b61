#include "item_multiple_page.h"

#include "app_context.h"
#include "controls.h"
#include "draw/item_draws.h"
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

ItemMultiplePage::ItemMultiplePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet14"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox4");
    names.groupLabel = QStringLiteral("種類");
    names.groupNames = {"ICB1C", "ICB2C", "ICB3C", "ICB4C"};
    names.groupCaptions = {"武器", "防具", "アイテム", "巻物"};
    names.rarityNames = {"ItemReaCBox2N", "ItemReaCBox2S", "ItemReaCBox2R", "ItemReaCBox2E"};
    names.output = QStringLiteral("ICB5B");
    names.clearAfter = QStringLiteral("ICB6B");
    names.ok = QStringLiteral("BRandom4");
    names.clear = QStringLiteral("ButtonC2");
    auto* row = countRow(count_, QStringLiteral("ISE4B"), 49, 15, random_, QStringLiteral("ICB4B"));
    auto* conditions = buildConditions(names, row);
    list_ = makeResultBox(this, QStringLiteral("ItemRE"));
    // Fixed pitch so that the numbered names line up.
    list_->setBoxFont(fixedFont(13));
    placeSideBySide(conditions, list_);

    connectFilters(this, &ItemMultiplePage::ICB1CClick, &ItemMultiplePage::ICB5BClick,
                   &ItemMultiplePage::ICB6BClick);
    connect(count_, &SpinEdit::valueChanged, this, &ItemMultiplePage::ISE4BChange);
    connect(random_, &QCheckBox::toggled, this, &ItemMultiplePage::ICB4BClick);
    connect(ok_, &QPushButton::clicked, this, &ItemMultiplePage::BRandom4Click);
    connect(clear_, &QPushButton::clicked, this, &ItemMultiplePage::ButtonC2Click);
}

void ItemMultiplePage::ICB1CClick() {
    runFilterRule(entry::ItemMultipleRarityE, true);
}

void ItemMultiplePage::ISE4BChange() {
    ctx_.storeEntry(entry::ItemMultipleCount, count_->value());
}

void ItemMultiplePage::ICB4BClick() {
    runRandomCountRule(random_, count_, entry::ItemRandomCount);
}

void ItemMultiplePage::ICB5BClick() {
    runOutputRule(entry::ItemMultipleOutput);
}

void ItemMultiplePage::ICB6BClick() {
    storeOwnIndex(clearAfter_, entry::ItemMultipleClear);
}

void ItemMultiplePage::BRandom4Click() {
    runUnderDrawGuard(ctx_, [this] {
        list_->clear();
        ctx_.outputBuffer.clear();
        ctx_.itemRarityCount = CountItemRarities(ctx_.tables);
        ItemFilter filter{ticks<ItemKindCount>(groups_), ticks<RarityCount>(rarities_)};
        MultipleDrawResult result = drawItemMultiple(
            ctx_.tables, filter, MultipleCount{count_->value(), random_->isChecked()}, processRandom());
        finishMultipleDraw(result, list_, count_);
    });
}

void ItemMultiplePage::ButtonC2Click() {
    list_->clear();
}

} // namespace tavu
