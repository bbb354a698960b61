#include "map_page.h"

#include "app_strings.h"
#include "controls.h"
#include "dialogs.h"
#include "page_context.h"
#include "spin_edit.h"
#include "store/settings_entries.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

struct RangeLimits {
    int minimum;
    int maximum;
    int step;
    int initial;
};

// SESet1 .. SESet6: magic, period and time limit, each as minimum then maximum.
constexpr RangeLimits Ranges[6] = {{5000, 89000, 1000, 6000}, {5000, 90000, 1000, 9000}, {30, 90, 5, 50},
                                   {35, 95, 5, 90},           {10, 85, 5, 30},           {15, 90, 5, 60}};
constexpr int RowHeight = 24;

// Display order of the rows, top to bottom, shared by the conditions and the display box.
enum Row { MapRow, MagicRow, PeriodRow, TimeRow, ElementRow, SuddenRow, LevelRow, RowCount };

} // namespace

MapPage::MapPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet6"), mapPageBindings()) {
    auto* top = new QHBoxLayout;
    top->addWidget(buildConditions());
    top->addWidget(makeArrow(this));
    auto* right = new QVBoxLayout;
    right->addWidget(buildDisplays());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* save = makeButton(this, QStringLiteral("ButtonMapSave"), Ui::tr("設定を保存"));
    ok_ = makeButton(this, QStringLiteral("ButtonMapSetUp"), QStringLiteral("OK"));
    connect(save, &QPushButton::clicked, this, &MapPage::ButtonMapSaveClick);
    connect(ok_, &QPushButton::clicked, this, &MapPage::ButtonMapSetUpClick);
    buttons->addWidget(save);
    buttons->addWidget(ok_);
    right->addStretch();
    right->addLayout(buttons);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(buildFacilities());
    layout->addStretch();
    setDefaultButton(ok_);
    chainTabOrder(visualOrder(save));
}

// The conditions row by row, the boxes showing what they decided, the buttons under them,
// then the facilities and map figures along the bottom.
QList<QWidget*> MapPage::visualOrder(QWidget* save) const {
    QList<QWidget*> order;
    const auto add = [&order](std::initializer_list<QWidget*> row) {
        order << QList<QWidget*>(row);
    };
    add({rules_[0], combos_[0]});
    add({rules_[3], ranges_[0], ranges_[1]});
    add({rules_[5], ranges_[2], ranges_[3]});
    add({rules_[6], ranges_[4], ranges_[5]});
    add({rules_[1], combos_[1]});
    add({rules_[4], combos_[3]});
    add({rules_[2], combos_[2]});
    for (int n : {1, 4, 6, 7, 2, 5, 3})
        order << displays_[n - 1];
    add({save, ok_});
    for (QCheckBox* box : facilities_)
        order << box;
    add({displays_[7], displays_[8], displays_[9]});
    return order;
}

QWidget* MapPage::buildConditions() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox8"), Ui::tr(" 対戦条件"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    const QStringList captions = {Ui::tr("対戦マップ"), Ui::tr("土地属性"),   Ui::tr("土地レベル"),
                                  Ui::tr("魔力条件"),   Ui::tr("サドンデス"), Ui::tr("期間条件"),
                                  Ui::tr("時間制限")};
    // Every row as tall as the result box beside it (see buildDisplays), so the two line up.
    for (int n = 1; n <= 7; ++n) {
        rules_ << makeCheckBox(box, QStringLiteral("SetU%1").arg(n), captions[n - 1], false);
        rules_.back()->setFixedHeight(RowHeight - 2);
        connect(rules_.back(), &QCheckBox::toggled, this,
                n == 1 ? &MapPage::SetU1Click : &MapPage::SetU4Click);
    }
    addComboRow(grid, MapRow, 0, QStringLiteral("CBSet1"),
                {Ui::tr(" 条件指定なし"), Ui::tr(" 聖堂を使用しない"), Ui::tr(" ほこらを使用しない"),
                 Ui::tr(" 転送円を使用しない"), Ui::tr(" ショップを使用しない"),
                 Ui::tr(" ダウンロードマップを使用しない"), Ui::tr(" ダウンロードマップのみを使用する")});
    addRangeRow(grid, MagicRow, 3, 0);
    addRangeRow(grid, PeriodRow, 5, 1);
    addRangeRow(grid, TimeRow, 6, 2);
    addComboRow(
        grid, ElementRow, 1, QStringLiteral("CBset2"),
        {Ui::tr(" 指定しない"), Ui::tr(" 標準以外"), Ui::tr(" シャッフル以外"), Ui::tr(" 全無属性以外")});
    addComboRow(grid, SuddenRow, 4, QStringLiteral("CBSet4"),
                {Ui::tr(" 指定しない"), Ui::tr(" オン"), Ui::tr(" オフ")});
    addComboRow(grid, LevelRow, 2, QStringLiteral("CBset3"), {Ui::tr(" 指定しない"), " Lv 1", " Lv 2"});
    // Keep the entry order of the settings: CBSet1, CBset2, CBset3, CBSet4.
    combos_.swapItemsAt(2, 3);
    // A taller box beside it leaves its room below the rows rather than spreading them apart.
    grid->setRowStretch(grid->rowCount(), 1);
    return box;
}

void MapPage::addComboRow(QGridLayout* grid, int row, int rule, const QString& name,
                          const QStringList& items) {
    QWidget* box = rules_[rule]->parentWidget();
    grid->addWidget(rules_[rule], row, 0);
    combos_ << makeComboBox(box, name, items);
    combos_.back()->setFixedHeight(RowHeight - 2);
    grid->addWidget(combos_.back(), row, 1, 1, 4);
    grid->setRowMinimumHeight(row, RowHeight);
}

void MapPage::addRangeRow(QGridLayout* grid, int row, int rule, int pair) {
    QWidget* box = rules_[rule]->parentWidget();
    grid->addWidget(rules_[rule], row, 0);
    for (int n = pair * 2 + 1; n <= pair * 2 + 2; ++n) {
        const RangeLimits& r = Ranges[n - 1];
        ranges_ << makeSpinEdit(box, QStringLiteral("SESet%1").arg(n), r.minimum, r.maximum, r.step,
                                r.initial);
        ranges_.back()->setFixedSize(n <= 2 ? 64 : 48, RowHeight - 2);
        // SESet1Change, SESet3Change, SESet5Change: either spin of a pair keeps its minimum below.
        connect(ranges_.back(), &SpinEdit::valueChanged, this, [this, pair] { keepMinimumBelow(pair); });
    }
    grid->addWidget(ranges_[pair * 2], row, 1);
    grid->addWidget(makeLabel(box, Ui::tr("～")), row, 2);
    grid->addWidget(ranges_[pair * 2 + 1], row, 3);
    grid->addWidget(makeLabel(box, Ui::tr("の間でランダム")), row, 4);
    grid->setRowMinimumHeight(row, RowHeight);
}

QWidget* MapPage::buildDisplays() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox9"), Ui::tr(" 表示用ボックス"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 4, 8, 6);
    // The pitch of the condition rows: a row of RowHeight and the grid's spacing of 2.
    column->setSpacing(4);
    for (int n = 1; n <= 10; ++n)
        displays_ << makeField(box, QStringLiteral("EditU") + QString::number(n), 0);
    // EditU1 map, EditU4 magic, EditU6 period, EditU7 time, EditU2 element, EditU5 sudden
    // death, EditU3 level: the rows of the conditions beside them.
    for (int n : {1, 4, 6, 7, 2, 5, 3}) {
        displays_[n - 1]->setFixedHeight(RowHeight - 2);
        column->addWidget(displays_[n - 1]);
    }
    return box;
}

QWidget* MapPage::buildFacilities() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox7"), Ui::tr(" 表示用ボックス"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 4, 8, 6);
    const QStringList captions = {Ui::tr("聖堂"), Ui::tr("ほこら"), Ui::tr("転送円"), Ui::tr("ショップ")};
    for (int n = 1; n <= 4; ++n) {
        facilities_ << makeCheckBox(box, QStringLiteral("SetCB") + QString::number(n), captions[n - 1],
                                    false);
        row->addWidget(facilities_.back());
    }
    row->addSpacing(10);
    QLabel* dice = makeLabel(box, Ui::tr("ダイス"), QStringLiteral("LabelS1"));
    row->addWidget(dice);
    row->addWidget(makeLabel(box, Ui::tr("1～"), QStringLiteral("LabelS2")));
    for (QWidget* w : {displays_[7], displays_[8], displays_[9]}) {
        w->setParent(box);
        w->setFixedWidth(36);
    }
    QLabel* reward = makeLabel(box, Ui::tr("１位報酬"), QStringLiteral("LabelS3"));
    QLabel* forts = makeLabel(box, Ui::tr("砦"), QStringLiteral("LabelS4"));
    dice->setBuddy(displays_[7]);
    reward->setBuddy(displays_[8]);
    forts->setBuddy(displays_[9]);
    row->addWidget(displays_[7]);
    row->addWidget(reward);
    row->addWidget(displays_[8]);
    row->addWidget(forts);
    row->addWidget(displays_[9]);
    row->addStretch();
    return box;
}

} // namespace tavu
