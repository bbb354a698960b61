#include "creature_single_page.h"

#include "app_context.h"
#include "draw/creature_draws.h"
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

CreatureSinglePage::CreatureSinglePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet10"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox1");
    names.groupLabel = QStringLiteral("属性");
    names.groupNames = {"CB1", "CB2", "CB3", "CB4", "CB5"};
    names.groupCaptions = {"無", "火", "水", "地", "風"};
    names.rarityNames = {"CRCB1A", "CRCB2A", "CRCB3A", "CRCB4A"};
    names.output = QStringLiteral("CCB2A");
    names.clearAfter = QStringLiteral("CCB3A");
    names.ok = QStringLiteral("BRandom1");
    names.clear = QStringLiteral("ButtonC4");
    auto* conditions = buildConditions(names, copiesRow(copies_, QStringLiteral("CCB1A")));
    placeSideBySide(conditions, buildResults());

    connectFilters(this, &CreatureSinglePage::CB1Click, &CreatureSinglePage::CCB2AClick,
                   &CreatureSinglePage::CCB3AClick);
    connect(copies_, &QComboBox::activated, this, &CreatureSinglePage::CCB1AChange);
    connect(ok_, &QPushButton::clicked, this, &CreatureSinglePage::BRandom1Click);
    connect(clear_, &QPushButton::clicked, this, &CreatureSinglePage::ButtonC4Click);
}

QWidget* CreatureSinglePage::buildResults() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setVerticalSpacing(5);
    fields_ = addResultRows(
        grid, panel, QStringLiteral("CEdit"),
        {"クリーチャー名", "基本ST", "基本HP", "必要魔力", "必要連鎖数", "生贄の有無", "レア度", "特殊"},
        160);
    fields_ << addCopiesRow(grid, panel, QStringLiteral("CEdit9"), QStringLiteral("枚入れる"));
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

void CreatureSinglePage::CB1Click() {
    runFilterRule(entry::CreatureSingleRarityE, false);
}

void CreatureSinglePage::CCB1AChange() {
    ctx_.storeEntry(entry::CreatureSingleCopies, copies_->currentIndex());
}

void CreatureSinglePage::CCB2AClick() {
    runOutputRule(entry::CreatureSingleOutput);
}

void CreatureSinglePage::CCB3AClick() {
    storeOwnIndex(clearAfter_, entry::CreatureSingleClear);
}

void CreatureSinglePage::BRandom1Click() {
    runUnderDrawGuard(ctx_, [this] {
        ctx_.creatureRarityCount = CountCreatureRarities(ctx_.tables);
        CreatureFilter filter{ticks<ElementCount>(groups_), ticks<RarityCount>(rarities_)};
        SingleCopies copies{copies_->currentIndex(), toSjis(fields_.back()->text())};
        SingleDrawResult result = drawCreatureSingle(ctx_.tables, filter, copies, processRandom());
        finishSingleDraw(result, fields_, [this] { ButtonC4Click(); });
    });
}

void CreatureSinglePage::ButtonC4Click() {
    for (QLineEdit* field : fields_)
        field->clear();
}

} // namespace tavu
