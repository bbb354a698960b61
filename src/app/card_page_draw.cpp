#include "card_page.h"
#include "draw_codes.h"
#include "draw_steps.h"
#include "output/result_file.h"
#include "page_context.h"
#include "result_box.h"
#include "spin_edit.h"
#include "store/random_source.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace tavu {

void CardPage::filterClicked() {
    // The rule itself lives in the core, so the command line refuses exactly what the page does.
    const CardTicks t = ticks();
    const bool enabled = family_.okEnabled(t);
    ctx_.explainOk(*ok_, enabled, enabled ? QString() : okDisabledReason(t));
    store(rarities_[3]);
}

QString CardPage::okDisabledReason(const CardTicks& t) const {
    const auto groups = t.groups.begin() + family_.groupCaptions.size();
    if (!family_.groupCaptions.isEmpty() && std::none_of(t.groups.begin(), groups, [](bool b) { return b; }))
        return translated(family_.groupLabel) + Ui::tr("を一つ以上選んで下さい");
    if (std::none_of(t.rarities.begin(), t.rarities.end(), [](bool b) { return b; }))
        return Ui::tr("レア度を一つ以上選んで下さい");
    return Ui::tr("レア度 E だけのときは、防具と巻物だけでは抽出できません");
}

void CardPage::randomClicked() {
    const bool random = random_->isChecked();
    count_->setEnabled(!random);
    QPalette palette = count_->palette();
    palette.setColor(QPalette::Base, random ? QColor(0xC0, 0xC0, 0xC0) : QColor(0xFF, 0xFF, 0xFF));
    // The grey field says the count is not the player's to set; the drawn count it then shows
    // must still be read, so it keeps the enabled text colour.
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    count_->setPalette(palette);
    store(random_);
}

void CardPage::outputClicked() {
    clearAfter_->setEnabled(output_->isChecked());
    store(output_);
}

void CardPage::clearResults() {
    if (list_ != nullptr)
        list_->clear();
    for (QLineEdit* field : fields_)
        field->clear();
}

CardTicks CardPage::ticks() const {
    CardTicks ticks;
    for (qsizetype i = 0; i < groups_.size(); ++i)
        ticks.groups[static_cast<std::size_t>(i)] = groups_[i]->isChecked();
    for (qsizetype i = 0; i < rarities_.size(); ++i)
        ticks.rarities[static_cast<std::size_t>(i)] = rarities_[i]->isChecked();
    return ticks;
}

void CardPage::okClicked() {
    const auto draw = [this] {
        d_.isList() ? drawList() : drawSingle();
    };
    if (family_.guarded)
        runUnderDrawGuard(ctx_, draw);
    else
        runShowingErrors(ctx_, draw);
}

void CardPage::drawSingle() {
    const SingleCopies copies{copies_->currentIndex(), toSjis(fields_.back()->text())};
    const DrawUnderWay drawing = ctx_.drawStarts(cardPagePlan(d_, ticks(), copies.index, {}));
    const SingleDrawResult result = family_.drawSingle(ctx_.tables(), ticks(), copies, processRandom());
    if (showDrawEnd(ctx_, result.end))
        return;
    showFields(fields_, result.fields);
    auto lines = singleDrawOutput(result.fields.front(), result.fields.back());
    ctx_.drawShown(lines);
    if (output_->isChecked())
        ctx_.writeResultFile(std::move(lines), clearAfter_, [this] { clearAfterOutput(); });
}

// A list draw's spin edit keeps a random count even when the draw then stops.
void CardPage::drawList() {
    list_->clear();
    const MultipleCount count{count_->value(), random_->isChecked()};
    const DrawUnderWay drawing = ctx_.drawStarts(cardPagePlan(d_, ticks(), 0, count));
    const MultipleDrawResult result = family_.drawList(ctx_.tables(), ticks(), count, processRandom());
    if (result.randomCount)
        count_->setValue(*result.randomCount);
    if (showDrawEnd(ctx_, result.end))
        return;
    showLines(list_, result.lines);
    auto lines = multipleDrawOutput(result.lines, result.count);
    ctx_.drawShown(lines);
    if (output_->isChecked())
        ctx_.writeResultFile(std::move(lines), clearAfter_, [this] { clearAfterOutput(); });
}

void CardPage::clearAfterOutput() {
    for (qsizetype i = 0; i < fields_.size(); ++i) {
        if (i != family_.keptAfterOutput)
            fields_[i]->clear();
    }
    if (list_ != nullptr)
        list_->clear();
}

} // namespace tavu
