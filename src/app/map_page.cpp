#include "map_page.h"

#include "app_context.h"
#include "app_strings.h"
#include "controls.h"
#include "spin_edit.h"
#include "store/settings_entries.h"

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

struct RangeSpec {
    int minimum;
    int maximum;
    int step;
    int initial;
};

// SESet1 .. SESet6: magic, period and time limit, each as minimum then maximum.
constexpr RangeSpec Ranges[6] = {{5000, 89000, 1000, 6000}, {5000, 90000, 1000, 9000}, {30, 90, 5, 50},
                                 {35, 95, 5, 90},           {10, 85, 5, 30},           {15, 90, 5, 60}};
constexpr int RowHeight = 24;

// Display order of the rows, top to bottom, shared by the conditions and the display box.
enum Row { MapRow, MagicRow, PeriodRow, TimeRow, ElementRow, SuddenRow, LevelRow, RowCount };

} // namespace

MapPage::MapPage(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , ctx_(context) {
    setObjectName(QStringLiteral("TabSheet6"));
    for (int n = 1; n <= 7; ++n)
        rules_ << makeCheckBox(this, QStringLiteral("SetU") + QString::number(n), {}, false);
    for (int n = 1; n <= 6; ++n) {
        const RangeSpec& r = Ranges[n - 1];
        ranges_ << makeSpinEdit(this, QStringLiteral("SESet") + QString::number(n), r.minimum, r.maximum,
                                r.step, r.initial);
        ranges_.back()->setFixedWidth(n <= 2 ? 64 : 48);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(buildConditions());
    auto* arrow = makeLabel(this, QStringLiteral("⇒"));
    QFont big = arrow->font();
    big.setPixelSize(28);
    arrow->setFont(big);
    top->addWidget(arrow);
    auto* right = new QVBoxLayout;
    right->addWidget(buildDisplays());
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    save_ = makeButton(this, QStringLiteral("ButtonMapSave"), QStringLiteral("設定を保存"));
    ok_ = makeButton(this, QStringLiteral("ButtonMapSetUp"), QStringLiteral("OK"));
    buttons->addWidget(save_);
    buttons->addWidget(ok_);
    right->addStretch();
    right->addLayout(buttons);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(top);
    layout->addWidget(buildFacilities());
    layout->addStretch();
    connectHandlers();
}

QWidget* MapPage::buildConditions() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox8"), QStringLiteral(" 対戦条件"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(2);
    const QStringList captions = {"対戦マップ", "土地属性", "土地レベル", "魔力条件",
                                  "サドンデス", "期間条件", "時間制限"};
    for (int i = 0; i < 7; ++i) {
        rules_[i]->setParent(box);
        rules_[i]->setText(captions[i]);
    }
    addComboRow(grid, MapRow, 0, QStringLiteral("CBSet1"),
                {" 条件指定なし", " 聖堂を使用しない", " ほこらを使用しない", " 転送円を使用しない",
                 " ショップを使用しない", " ダウンロードマップを使用しない",
                 " ダウンロードマップのみを使用する"});
    addRangeRow(grid, MagicRow, 3, 0);
    addRangeRow(grid, PeriodRow, 5, 2);
    addRangeRow(grid, TimeRow, 6, 4);
    addComboRow(grid, ElementRow, 1, QStringLiteral("CBset2"),
                {" 指定しない", " 標準以外", " シャッフル以外", " 全無属性以外"});
    addComboRow(grid, SuddenRow, 4, QStringLiteral("CBSet4"), {" 指定しない", " オン", " オフ"});
    addComboRow(grid, LevelRow, 2, QStringLiteral("CBset3"), {" 指定しない", " Lv 1", " Lv 2"});
    // Keep the entry order of the settings: CBSet1, CBset2, CBset3, CBSet4.
    combos_.swapItemsAt(2, 3);
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
    grid->addWidget(makeLabel(box, QStringLiteral("～")), row, 2);
    grid->addWidget(ranges_[firstSpin + 1], row, 3);
    grid->addWidget(makeLabel(box, QStringLiteral("の間でランダム")), row, 4);
    grid->setRowMinimumHeight(row, RowHeight);
}

QWidget* MapPage::buildDisplays() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox9"), QStringLiteral(" 表示用ボックス"));
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 4, 8, 6);
    column->setSpacing(2);
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
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox7"), QStringLiteral(" 表示用ボックス"));
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(8, 4, 8, 6);
    const QStringList captions = {"聖堂", "ほこら", "転送円", "ショップ"};
    for (int n = 1; n <= 4; ++n) {
        facilities_ << makeCheckBox(box, QStringLiteral("SetCB") + QString::number(n), captions[n - 1],
                                    false);
        row->addWidget(facilities_.back());
    }
    row->addSpacing(10);
    row->addWidget(makeLabel(box, QStringLiteral("ダイス"), QStringLiteral("LabelS1")));
    row->addWidget(makeLabel(box, QStringLiteral("1～"), QStringLiteral("LabelS2")));
    for (QWidget* w : {displays_[7], displays_[8], displays_[9]}) {
        w->setParent(box);
        w->setFixedWidth(36);
    }
    row->addWidget(displays_[7]);
    row->addWidget(makeLabel(box, QStringLiteral("１位報酬"), QStringLiteral("LabelS3")));
    row->addWidget(displays_[8]);
    row->addWidget(makeLabel(box, QStringLiteral("砦"), QStringLiteral("LabelS4")));
    row->addWidget(displays_[9]);
    row->addStretch();
    return box;
}

void MapPage::connectHandlers() {
    connect(rules_[0], &QCheckBox::toggled, this, &MapPage::SetU1Click);
    for (int i = 1; i < 7; ++i)
        connect(rules_[i], &QCheckBox::toggled, this, &MapPage::SetU4Click);
    connect(ranges_[0], &SpinEdit::valueChanged, this, &MapPage::SESet1Change);
    connect(ranges_[1], &SpinEdit::valueChanged, this, &MapPage::SESet1Change);
    connect(ranges_[2], &SpinEdit::valueChanged, this, &MapPage::SESet3Change);
    connect(ranges_[3], &SpinEdit::valueChanged, this, &MapPage::SESet3Change);
    connect(ranges_[4], &SpinEdit::valueChanged, this, &MapPage::SESet5Change);
    connect(ranges_[5], &SpinEdit::valueChanged, this, &MapPage::SESet5Change);
    connect(ok_, &QPushButton::clicked, this, &MapPage::ButtonMapSetUpClick);
    connect(save_, &QPushButton::clicked, this, &MapPage::ButtonMapSaveClick);
}

void MapPage::runOkRule() {
    ok_->setEnabled(true);
    // Period and time limit alone make no match: OK needs one of the first five items.
    bool any = false;
    for (int i = 0; i < 5; ++i)
        any = any || rules_[i]->isChecked();
    if (!any)
        ok_->setEnabled(false);
}

void MapPage::SetU1Click() {
    runOkRule();
    if (rules_[0]->isChecked())
        combos_[0]->setCurrentIndex(0);
}

void MapPage::SetU4Click() {
    runOkRule();
}

void MapPage::keepMinimumBelow(int pair, int step) {
    SpinEdit* minimum = ranges_[pair * 2];
    const int maximum = ranges_[pair * 2 + 1]->value();
    if (minimum->value() >= maximum + step)
        minimum->setValue(maximum - step);
}

void MapPage::SESet1Change() {
    keepMinimumBelow(0, 1000);
}

void MapPage::SESet3Change() {
    keepMinimumBelow(1, 5);
}

void MapPage::SESet5Change() {
    keepMinimumBelow(2, 5);
}

void MapPage::ButtonMapSaveClick() {
    if (!ctx_.dialogs.question(QString::fromUtf8(text::SaveQuestion) + QStringLiteral("   "),
                               QString::fromUtf8(text::DrawWarningCaption), Dialogs::Buttons::OkCancel))
        return;
    auto& s = ctx_.settings;
    for (int n = 1; n <= 7; ++n) {
        auto* box = window()->findChild<QCheckBox*>(QStringLiteral("SetU") + QString::number(n));
        s[static_cast<std::size_t>(n - 1)] = box->isChecked() ? 1 : 0;
    }
    s[entry::MapCondition] = combos_[0]->currentIndex();
    for (int i = 0; i < 6; ++i)
        s[static_cast<std::size_t>(entry::MapSpinFirst + i)] = ranges_[i]->value();
    s[entry::LandElement] = combos_[1]->currentIndex();
    s[entry::LandLevel] = combos_[2]->currentIndex();
    s[entry::SuddenDeath] = combos_[3]->currentIndex();
    if (ctx_.saveSettings())
        ctx_.dialogs.inform(QString::fromUtf8(text::SaveDone));
}

} // namespace tavu
