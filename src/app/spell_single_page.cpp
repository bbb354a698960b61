#include "spell_single_page.h"

#include "app_context.h"
#include "draw/spell_draws.h"
#include "draw_steps.h"
#include "store/random_source.h"
#include "store/settings_entries.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace tavu {

SpellSinglePage::SpellSinglePage(AppContext& context, QWidget* parent)
    : CardPage(context, QStringLiteral("TabSheet15"), parent) {
    ConditionNames names;
    names.box = QStringLiteral("GroupBox5");
    names.rarityNames = {"SCB1N", "SCB1S", "SCB1R", "SCB1E"};
    names.output = QStringLiteral("SCB1A");
    names.clearAfter = QStringLiteral("SCB2A");
    names.ok = QStringLiteral("BRandom5");
    names.clear = QStringLiteral("ButtonC6");
    auto* conditions = buildConditions(names, copiesRow(copies_, QStringLiteral("SpellCB1A")));
    placeSideBySide(conditions, buildResults());

    connectFilters(this, &SpellSinglePage::SCB1NClick, &SpellSinglePage::SCB1AClick,
                   &SpellSinglePage::SCB2AClick);
    connect(copies_, &QComboBox::activated, this, &SpellSinglePage::SpellCB1AChange);
    connect(ok_, &QPushButton::clicked, this, &SpellSinglePage::BRandom5Click);
    connect(clear_, &QPushButton::clicked, this, &SpellSinglePage::ButtonC6Click);
}

QWidget* SpellSinglePage::buildResults() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setVerticalSpacing(5);
    fields_ = addResultRows(
        grid, panel, QStringLiteral("SEdit"),
        {"スペル名", "必要魔力", "レア度", "生贄の有無", "効果範囲", "効果対象", "継続時間"}, 160);
    fields_ << addCopiesRow(grid, panel, QStringLiteral("SEdit8"), QStringLiteral("枚組み込む"));
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

void SpellSinglePage::SCB1NClick() {
    runFilterRule(entry::SpellSingleRarityE, false);
}

void SpellSinglePage::SpellCB1AChange() {
    ctx_.storeEntry(entry::SpellSingleCopies, copies_->currentIndex());
}

void SpellSinglePage::SCB1AClick() {
    runOutputRule(entry::SpellSingleOutput);
}

void SpellSinglePage::SCB2AClick() {
    storeOwnIndex(clearAfter_, entry::SpellSingleClear);
}

void SpellSinglePage::BRandom5Click() {
    runShowingErrors(ctx_, [this] {
        SingleCopies copies{copies_->currentIndex(), toSjis(fields_.back()->text())};
        SingleDrawResult result =
            drawSpellSingle(ctx_.tables, ticks<RarityCount>(rarities_), copies, processRandom());
        finishSingleDraw(result, fields_, [this] { ButtonC6Click(); });
    });
}

void SpellSinglePage::ButtonC6Click() {
    for (QLineEdit* field : fields_)
        field->clear();
}

} // namespace tavu
