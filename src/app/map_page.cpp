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

Binding rule(const char* name, int number, const char* hint) {
    return {name, entry::MapRuleFirst + number - 1, Holds::TickAsOne, Step::Map, hint};
}

Binding range(const char* name, int number, const char* hint) {
    return {name, entry::MapSpinFirst + number - 1, Holds::Value, Step::Map, hint};
}

// The rules restore in entry order; the button "設定を保存" stores them all.
std::vector<Binding> bindingTable() {
    const auto condition = [](const char* name, int entry, const char* hint) {
        return Binding{name, entry, Holds::Position, Step::Map, hint};
    };
    const QString facility = Ui::tr("表示用のチェックボックスです　（抽出条件には反映されません）");
    return {
        {.control = "TabSheet6", .clearsHint = true},
        {.control = "GroupBox8", .clearsHint = true},
        {.control = "GroupBox9", .clearsHint = true},
        rule("SetU1", 1,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦を行うマップを、指定された抽出条件より選び出します")),
        rule("SetU2", 2, QT_TRANSLATE_NOOP("tavu::Ui", "対戦マップの土地属性を決定します")),
        rule("SetU3", 3, QT_TRANSLATE_NOOP("tavu::Ui", "土地レベルの状態を決定します")),
        rule("SetU4", 4,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時の目標魔力を、指定された条件に基づいて決定します")),
        rule("SetU5", 5, QT_TRANSLATE_NOOP("tavu::Ui", "サドンデスの有無を決定します")),
        rule("SetU6", 6,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時の期間条件を、指定された条件に基づいて決定します")),
        rule("SetU7", 7,
             QT_TRANSLATE_NOOP("tavu::Ui", "対戦時のコマンド時間を、指定された条件に基づいて決定します")),
        condition("CBSet1", entry::MapCondition,
                  QT_TRANSLATE_NOOP("tavu::Ui", "コンボボックスより、幾つかの条件を設定することが出来ます")),
        range("SESet1", 1,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は5000 ～ 89000の範囲で決定出来ます　　（先に最大値を決めて下さい）")),
        range("SESet2", 2, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は6000 ～ 90000の範囲で決定出来ます")),
        range("SESet3", 3,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は30 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）")),
        range("SESet4", 4, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は35 ～ 95の範囲で決定出来ます")),
        range("SESet5", 5,
              QT_TRANSLATE_NOOP("tavu::Ui",
                                "最小値は10 ～ 90の範囲で決定出来ます　　（先に最大値を決めて下さい）")),
        range("SESet6", 6, QT_TRANSLATE_NOOP("tavu::Ui", "最大値は15 ～ 90の範囲で決定出来ます")),
        condition(
            "CBset2", entry::LandElement,
            QT_TRANSLATE_NOOP(
                "tavu::Ui", "条件を指定しない場合、 “標準、シャッフル、全無属性” の3種類から選び出されます")),
        condition(
            "CBset3", entry::LandLevel,
            QT_TRANSLATE_NOOP("tavu::Ui", "土地レベルを指定しない場合は、Lv1～Lv2 をランダムに選び出します")),
        condition("CBSet4", entry::SuddenDeath,
                  QT_TRANSLATE_NOOP("tavu::Ui", "条件を指定しない場合、オン、オフのどちらかが選出されます")),
        {.control = "EditU1",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した対戦マップを表示します"),
         .popUp = true},
        {.control = "EditU2",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した土地属性の種類を表示します"),
         .popUp = true},
        {.control = "EditU3",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した土地レベルの状態を表示します"),
         .popUp = true},
        {.control = "EditU4",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した目標魔力を表示します"),
         .popUp = true},
        {.control = "EditU5",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定したサドンデスの有無を表示します"),
         .popUp = true},
        {.control = "EditU6",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した期間条件を表示します"),
         .popUp = true},
        {.control = "EditU7",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　決定した時間制限を表示します"),
         .popUp = true},
        {.control = "EditU8",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "EditU9",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます")},
        {.control = "EditU10",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の砦数を表示します")},
        {.control = "LabelS1",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "LabelS2",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の最大ダイス目が表示されます")},
        {.control = "LabelS3",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の１位報酬カード数が表示されます")},
        {.control = "LabelS4",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "表示用 ：　抽出された MAP の砦数を表示します")},
        {.control = "SetCB1", .moveText = facility},
        {.control = "SetCB2", .moveText = facility},
        {.control = "SetCB3", .moveText = facility},
        {.control = "SetCB4", .moveText = facility},
        {.control = "ButtonMapSave",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "現在の設定（数値やチェックなどの全て）を保存します")},
        {.control = "ButtonMapSetUp",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "設定された項目に基づいて対戦条件を抽出します")},
    };
}

} // namespace

MapPage::MapPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet6"), bindingTable()) {
    for (int n = 1; n <= 7; ++n) {
        rules_ << makeCheckBox(this, QStringLiteral("SetU") + QString::number(n), {}, false);
        connect(rules_.back(), &QCheckBox::toggled, this,
                n == 1 ? &MapPage::SetU1Click : &MapPage::SetU4Click);
    }
    for (int n = 1; n <= 6; ++n) {
        const RangeLimits& r = Ranges[n - 1];
        ranges_ << makeSpinEdit(this, QStringLiteral("SESet") + QString::number(n), r.minimum, r.maximum,
                                r.step, r.initial);
        ranges_.back()->setFixedWidth(n <= 2 ? 64 : 48);
        // SESet1Change, SESet3Change, SESet5Change: either spin of a pair keeps its minimum below.
        const int pair = (n - 1) / 2;
        connect(ranges_.back(), &SpinEdit::valueChanged, this,
                [this, pair] { keepMinimumBelow(pair, Ranges[pair * 2].step); });
    }
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
    for (int i = 0; i < 7; ++i) {
        rules_[i]->setParent(box);
        rules_[i]->setText(captions[i]);
        rules_[i]->setFixedHeight(RowHeight - 2);
    }
    addComboRow(grid, MapRow, 0, QStringLiteral("CBSet1"),
                {Ui::tr(" 条件指定なし"), Ui::tr(" 聖堂を使用しない"), Ui::tr(" ほこらを使用しない"),
                 Ui::tr(" 転送円を使用しない"), Ui::tr(" ショップを使用しない"),
                 Ui::tr(" ダウンロードマップを使用しない"), Ui::tr(" ダウンロードマップのみを使用する")});
    addRangeRow(grid, MagicRow, 3, 0);
    addRangeRow(grid, PeriodRow, 5, 2);
    addRangeRow(grid, TimeRow, 6, 4);
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

void MapPage::addRangeRow(QGridLayout* grid, int row, int rule, int firstSpin) {
    QWidget* box = rules_[rule]->parentWidget();
    grid->addWidget(rules_[rule], row, 0);
    for (int i = 0; i < 2; ++i) {
        ranges_[firstSpin + i]->setParent(box);
        ranges_[firstSpin + i]->setFixedHeight(RowHeight - 2);
    }
    grid->addWidget(ranges_[firstSpin], row, 1);
    grid->addWidget(makeLabel(box, Ui::tr("～")), row, 2);
    grid->addWidget(ranges_[firstSpin + 1], row, 3);
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
    // The boxes carry no caption of their own: their hints pop up (see the binding table) and
    // a screen reader speaks the condition each shows.
    const QString shows[] = {Ui::tr("対戦マップ"), Ui::tr("土地属性"),   Ui::tr("土地レベル"),
                             Ui::tr("目標魔力"),   Ui::tr("サドンデス"), Ui::tr("期間"),
                             Ui::tr("時間制限")};
    for (int n = 1; n <= 7; ++n)
        displays_[n - 1]->setAccessibleName(shows[n - 1]);
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
    row->addWidget(makeLabel(box, Ui::tr("ダイス"), QStringLiteral("LabelS1")));
    row->addWidget(makeLabel(box, Ui::tr("1～"), QStringLiteral("LabelS2")));
    for (QWidget* w : {displays_[7], displays_[8], displays_[9]}) {
        w->setParent(box);
        w->setFixedWidth(36);
    }
    row->addWidget(displays_[7]);
    row->addWidget(makeLabel(box, Ui::tr("１位報酬"), QStringLiteral("LabelS3")));
    row->addWidget(displays_[8]);
    row->addWidget(makeLabel(box, Ui::tr("砦"), QStringLiteral("LabelS4")));
    row->addWidget(displays_[9]);
    row->addStretch();
    return box;
}

} // namespace tavu
