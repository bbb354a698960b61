#include "item_single_page.h"

#include "app_context.h"
#include "draw/item_draws.h"
#include "draw_steps.h"
#include "store/derived_counts.h"
#include "store/random_source.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tavu {

ItemSinglePage::ItemSinglePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet13"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox3");
    names.groupLabel = QStringLiteral("種類");
    names.groupNames = {"ICB1A", "ICB2A", "ICB3A", "ICB4A"};
    names.groupCaptions = {"武器", "防具", "アイテム", "巻物"};
    names.rarityNames = {"ItemReaCBox1N", "ItemReaCBox1S", "ItemReaCBox1R", "ItemReaCBox1E"};
    names.output = QStringLiteral("ICB1");
    names.clearAfter = QStringLiteral("ICB2");
    names.ok = QStringLiteral("BRandom3");
    names.clear = QStringLiteral("ButtonC5");
    auto* conditions = buildConditions(names, copiesRow(copies_, QStringLiteral("ICB4")));
    placeSideBySide(conditions, buildResults());

    connectFilters(this, &ItemSinglePage::ICB1AClick, &ItemSinglePage::ICB1Click, &ItemSinglePage::ICB2Click);
    connect(copies_, &QComboBox::activated, this, &ItemSinglePage::ICB4Change);
    connect(ok_, &QPushButton::clicked, this, &ItemSinglePage::BRandom3Click);
    connect(clear_, &QPushButton::clicked, this, &ItemSinglePage::ButtonC5Click);
}

QWidget* ItemSinglePage::buildResults() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setVerticalSpacing(5);
    fields_ = addResultRows(
        grid, panel, QStringLiteral("IEdit"),
        {"アイテム名", "基本増加 ST", "基本増加 HP", "必要魔力", "種類", "レア度", "特殊"}, 160);
    fields_ << addCopiesRow(grid, panel, QStringLiteral("IEdit8"), QStringLiteral("枚組み込む"));
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

void ItemSinglePage::ICB1AClick() {
    runFilterRule(entry::ItemSingleRarityE, true);
}

void ItemSinglePage::ICB4Change() {
    ctx_.storeEntry(entry::ItemSingleCopies, copies_->currentIndex());
}

void ItemSinglePage::ICB1Click() {
    runOutputRule(entry::ItemSingleOutput);
}

void ItemSinglePage::ICB2Click() {
    storeOwnIndex(clearAfter_, entry::ItemSingleClear);
}

void ItemSinglePage::BRandom3Click() {
    runUnderDrawGuard(ctx_, [this] {
        ctx_.itemRarityCount = CountItemRarities(ctx_.tables);
        ItemFilter filter{ticks<ItemKindCount>(groups_), ticks<RarityCount>(rarities_)};
        SingleCopies copies{copies_->currentIndex(), toSjis(fields_.back()->text())};
        SingleDrawResult result = drawItemSingle(ctx_.tables, filter, copies, processRandom());
        // The rarity stays on screen after the output; only the clear button empties it.
        finishSingleDraw(result, fields_, [this] {
            for (qsizetype i = 0; i < fields_.size(); ++i)
                if (i != ItemRarityField)
                    fields_[i]->clear();
        });
    });
}

void ItemSinglePage::ButtonC5Click() {
    for (QLineEdit* field : fields_)
        field->clear();
}

} // namespace tavu
