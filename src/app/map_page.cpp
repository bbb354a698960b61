#include "app_strings.h"
#include "bound_page.h"
#include "code/draw_run.h"
#include "controls.h"
#include "dialogs.h"
#include "draw/draw_result.h"
#include "match/battle_map.h"
#include "match/map_spins.h"
#include "page_context.h"
#include "spin_edit.h"
#include "store/sjis_text.h"
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
#include <algorithm>
#include <functional>

namespace tavu {

// The map page's controls: entries, restore steps, hints and the names a screen reader speaks.
std::vector<Binding> mapPageBindings();

namespace {

constexpr int RowHeight = 24;

// Display order of the rows, top to bottom, shared by the conditions and the display box.
enum Row { MapRow, MagicRow, PeriodRow, TimeRow, ElementRow, SuddenRow, LevelRow, RowCount };

// A box whose text does not convert back (a table name with a cut-off character) gets a
// value no draw produces, so the draw still counts it as changed when it rewrites the box.
std::string shownBytes(const QLineEdit* box) {
    return sjis::fromUtf8(box->text().toStdString()).value_or(std::string("\x01\x01", 2));
}

} // namespace

// "対戦マップ": a battle map and its rule settings. Its settings are written only by
// "設定を保存".
class MapPage : public BoundPage {
    Q_OBJECT
public:
    explicit MapPage(PageContext& context);

    // Start-up leaves the displays empty.
    void clearForStart() override;

public slots:
    void SetU1Click();
    void SetU4Click();
    void ButtonMapSetUpClick();
    void ButtonMapSaveClick();

private:
    QWidget* buildConditions();
    QWidget* buildDisplays();
    QWidget* buildFacilities();
    void addComboRow(QGridLayout* grid, int row, int rule, const QString& name, const QStringList& items);
    void addRangeRow(QGridLayout* grid, int row, int rule, int pair);
    void keepMinimumBelow(int pair);
    map::MapDisplay shownDisplay() const;
    void show(const map::MapDisplay& display, const map::MapDisplay& before);

    QList<QCheckBox*> rules_;
    QList<SpinEdit*> ranges_;
    QList<QComboBox*> combos_;
    QList<QLineEdit*> displays_;
    QList<QCheckBox*> facilities_;
    QPushButton* ok_ = nullptr;
};

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
    chainTabOrder(this);
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
        const map::SpinLimits& r = map::SpinTable[static_cast<std::size_t>(n - 1)];
        ranges_ << makeSpinEdit(box, QStringLiteral("SESet%1").arg(n), r.lowest, r.highest, r.step,
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

// Every rule box runs this; the map's own box also puts its condition back to the first item.
void MapPage::SetU4Click() {
    // Period and time limit alone make no match: OK needs one of the first five items.
    const bool enabled = std::any_of(rules_.begin(), rules_.begin() + 5, std::mem_fn(&QCheckBox::isChecked));
    const bool timingOnly = std::any_of(rules_.begin() + 5, rules_.end(), std::mem_fn(&QCheckBox::isChecked));
    ctx_.explainOk(*ok_, enabled,
                   timingOnly ? Ui::tr("期間条件と時間制限だけでは抽出できません。"
                                       "対戦マップからサドンデスまでのいずれかも選んで下さい")
                              : Ui::tr("抽出する対戦条件を選んで下さい"));
}

void MapPage::SetU1Click() {
    SetU4Click();
    if (rules_[0]->isChecked())
        combos_[0]->setCurrentIndex(0);
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

BoundPage* newMapPage(PageContext& context) {
    return new MapPage(context);
}

} // namespace tavu

#include "map_page.moc"
