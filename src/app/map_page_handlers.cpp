#include "app_strings.h"
#include "code/draw_run.h"
#include "dialogs.h"
#include "draw/draw_result.h"
#include "map_page.h"
#include "match/battle_map.h"
#include "page_context.h"
#include "spin_edit.h"
#include "store/sjis_text.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace tavu {

namespace {
// A box whose text does not convert back (a table name with a cut-off character) gets a
// value no draw produces, so the draw still counts it as changed when it rewrites the box.
std::string shownBytes(const QLineEdit* box) {
    return sjis::fromUtf8(box->text().toStdString()).value_or(std::string("\x01\x01", 2));
}
} // namespace

map::MapDisplay MapPage::shownDisplay() const {
    map::MapDisplay display;
    for (int i = 0; i < 10; ++i)
        display.editU[static_cast<std::size_t>(i)] = shownBytes(displays_[i]);
    for (int i = 0; i < 4; ++i)
        display.facilities[static_cast<std::size_t>(i)] = facilities_[i]->isChecked();
    return display;
}

void MapPage::show(const map::MapDisplay& display, const map::MapDisplay& before) {
    for (int i = 0; i < 10; ++i) {
        const auto& text = display.editU[static_cast<std::size_t>(i)];
        // An untouched box keeps its own text rather than a converted copy of it.
        if (text != before.editU[static_cast<std::size_t>(i)])
            displays_[i]->setText(QString::fromUtf8(sjis::toUtf8(text)));
    }
    for (int i = 0; i < 4; ++i)
        facilities_[i]->setChecked(display.facilities[static_cast<std::size_t>(i)]);
}

void MapPage::ButtonMapSetUpClick() {
    map::MapRequest request;
    for (int i = 0; i < map::ItemCount; ++i)
        request.ticked[static_cast<std::size_t>(i)] = rules_[i]->isChecked();
    request.mapCondition = combos_[0]->currentIndex();
    request.landElement = combos_[1]->currentIndex();
    request.landLevel = combos_[2]->currentIndex();
    request.suddenDeath = combos_[3]->currentIndex();
    for (int i = 0; i < map::SpinCount; ++i)
        request.spins[static_cast<std::size_t>(i)] = ranges_[i]->value();
    const DrawUnderWay drawing = ctx_.drawStarts(code::mapPlan(request));
    const map::MapDisplay before = shownDisplay();
    const auto result = map::drawBattleMap(ctx_.tables().maps, request, before, processRandom());
    show(result.display, before);
    ctx_.drawShown(code::mapLines(result.display));
    if (!result.message.empty())
        ctx_.dialogs().warn(QString::fromUtf8(result.message), QString::fromUtf8(DrawWarningCaption));
}

void MapPage::runOkRule() {
    // Period and time limit alone make no match: OK needs one of the first five items.
    const bool enabled = std::any_of(rules_.begin(), rules_.begin() + 5, std::mem_fn(&QCheckBox::isChecked));
    const bool timingOnly = std::any_of(rules_.begin() + 5, rules_.end(), std::mem_fn(&QCheckBox::isChecked));
    ctx_.explainOk(*ok_, enabled,
                   timingOnly ? Ui::tr("期間条件と時間制限だけでは抽出できません。"
                                       "対戦マップからサドンデスまでのいずれかも選んで下さい")
                              : Ui::tr("抽出する対戦条件を選んで下さい"));
}

void MapPage::SetU1Click() {
    runOkRule();
    if (rules_[0]->isChecked())
        combos_[0]->setCurrentIndex(0);
}

void MapPage::SetU4Click() {
    runOkRule();
}

void MapPage::keepMinimumBelow(int pair) {
    SpinEdit* minimum = ranges_[pair * 2];
    const int maximum = ranges_[pair * 2 + 1]->value();
    if (minimum->value() >= maximum + minimum->singleStep())
        minimum->setValue(maximum - minimum->singleStep());
}

void MapPage::ButtonMapSaveClick() {
    storeAllIfConfirmed(Ui::tr(text::SaveQuestion) + QStringLiteral("   "),
                        QString::fromUtf8(DrawWarningCaption));
}

void MapPage::clearForStart() {
    for (QLineEdit* field : displays_)
        field->clear();
    for (QCheckBox* box : facilities_)
        box->setChecked(false);
}

} // namespace tavu
