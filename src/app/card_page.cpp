#include "card_page.h"

#include "app_strings.h"
#include "controls.h"
#include "fonts.h"
#include "result_box.h"
#include "spin_edit.h"
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

namespace tavu {

namespace {

constexpr int RowLabelWidth = 36;

QLabel* rowCaption(QWidget* parent, const QString& label, int width) {
    auto* caption = makeLabel(parent, label);
    caption->setFixedWidth(width);
    return caption;
}

// The row captions share one width, wide enough for the widest of them.
int captionWidth(const QWidget* box, const QStringList& captions) {
    int width = RowLabelWidth;
    for (const QString& caption : captions)
        width = std::max(width, box->fontMetrics().horizontalAdvance(caption) + 2);
    return width;
}

QHBoxLayout* labelledRow(QWidget* parent, QVBoxLayout* column, const QString& label, int width) {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    if (!label.isEmpty())
        row->addWidget(rowCaption(parent, label, width));
    column->addLayout(row);
    return row;
}

int rowWidth(const QHBoxLayout* row) {
    int width = row->spacing() * (row->count() - 1) + row->contentsMargins().left();
    for (int i = 0; i < row->count(); ++i)
        width += row->itemAt(i)->sizeHint().width();
    return width;
}

std::vector<Binding> bindingTable(const CardPageDescription& d) {
    const CardFamily& f = *d.family;
    const auto& e = d.entries;
    const CountRange& range = f.listCount;
    std::vector<Binding> rows = {{.control = d.sheet, .clearsHint = true},
                                 {.control = d.box, .clearsHint = true}};
    for (qsizetype i = 0; i < d.groups.size(); ++i)
        rows.push_back({.control = d.groups[i], .hint = d.groupHints.value(i), .moveText = f.groupMoveText});
    const QString rarityMove =
        Ui::tr("ここのチェックを外すことにより、抽出したくないレア度を選択することが出来ます");
    for (qsizetype i = 0; i < 3; ++i)
        rows.push_back({.control = d.rarities[i], .moveText = rarityMove});
    rows.push_back({d.rarities[3], e.rarityE, Holds::TickAs300, Step::RarityE, {}, rarityMove});
    if (d.isList()) {
        rows.push_back({d.count, e.count, Holds::Value, Step::Counts,
                        Ui::tr("抽出枚数は、%1 ～ %2枚の範囲で設定出来ます").arg(range.min).arg(range.max)});
        rows.push_back({d.random, e.random, Holds::TickAsOwnIndex, Step::RandomCounts,
                        Ui::tr("%1 ～ %2枚の範囲でランダムに抽出されます").arg(range.min).arg(range.max)});
        rows.push_back({.control = d.results,
                        .hint = f.listHint,
                        .moveText = f.listMoveText,
                        .name = QT_TRANSLATE_NOOP("tavu::Ui", "抽出結果")});
    } else {
        rows.push_back({d.count, e.count, Holds::Position, Step::Counts, Ui::tr("抽出枚数を指定します")});
        const QStringList hints =
            f.fieldHints + QStringList{Ui::tr("ブック内に指定カードを組み込む枚数を表示")};
        for (qsizetype i = 0; i < hints.size(); ++i)
            rows.push_back({.control = d.results + QString::number(i + 1), .hint = hints[i], .popUp = true});
        // The copies field stands inside a sentence; its labels name the others.
        rows.back().name = QT_TRANSLATE_NOOP("tavu::Ui", "ブックに組み込む枚数");
    }
    rows.push_back({d.output, e.output, Holds::TickAsOwnIndex, Step::OutputPairs, {}, text::OutputMoveText});
    rows.push_back(
        {d.clearAfter, e.clearAfter, Holds::TickAsOwnIndex, Step::OutputPairs, {}, text::ClearAfterMoveText});
    rows.push_back({.control = d.ok,
                    .hint = d.isList() ? Ui::tr("設定条件に基づいて、カードの複数抽出を行います")
                                       : Ui::tr("設定条件に基づいて、カードの単体抽出を行います")});
    rows.push_back({.control = d.clear,
                    .hint = d.isList() ? Ui::tr("リストに表示されてある項目を完全にクリアします")
                                       : Ui::tr("表示されてある項目を完全にクリアします")});
    return rows;
}

} // namespace

CardPage::CardPage(PageContext& context, const CardPageDescription& description)
    : BoundPage(context, description.sheet, bindingTable(description))
    , d_(description)
    , family_(*description.family) {
    QGroupBox* conditions = buildConditions();
    QWidget* results = nullptr;
    if (d_.isList()) {
        results = list_ = makeResultBox(this, d_.results);
        list_->setBoxFont(family_.fixedPitchList ? fixedFont(13) : proportionalFont(12));
    } else {
        results = buildFields();
    }
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(conditions);
    layout->addWidget(results, 1);
    setDefaultButton(ok_);
    chainTabOrder(this);
}

// The count row holds its own caption, which names the count control for a screen reader
// (a caption names only a control beside it under the same parent).
QWidget* CardPage::buildCountRow(QWidget* box, int captionWidth) {
    auto* row = new QWidget(box);
    auto* outer = new QHBoxLayout(row);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* layout = new QHBoxLayout;
    layout->setSpacing(outer->spacing()); // the controls keep the spacing of a row of their own
    outer->setSpacing(3);
    QLabel* caption = rowCaption(row, Ui::tr("枚数"), captionWidth);
    outer->addWidget(caption);
    outer->addLayout(layout, 1);
    if (d_.isList()) {
        const CountRange& range = family_.listCount;
        count_ = makeSpinEdit(row, d_.count, range.min, range.max, 1, range.start);
        caption->setBuddy(count_);
        count_->setFixedWidth(56);
        connect(count_, &SpinEdit::valueChanged, this, [this] { store(count_); });
        layout->addWidget(count_);
        layout->addWidget(makeLabel(row, Ui::tr("枚")));
        layout->addSpacing(12);
        random_ = makeCheckBox(row, d_.random, Ui::tr("指定無し"), false);
        connect(random_, &QCheckBox::toggled, this, &CardPage::randomClicked);
        layout->addWidget(random_);
    } else {
        copies_ = makeComboBox(row, d_.count,
                               {Ui::tr(" 指定なし"), Ui::tr(" 1枚組み込む"), Ui::tr(" 2枚組み込む"),
                                Ui::tr(" 3枚組み込む"), Ui::tr(" 4枚組み込む")});
        caption->setBuddy(copies_);
        copies_->setFixedWidth(120);
        connect(copies_, &QComboBox::activated, this, [this] { store(copies_); });
        layout->addWidget(copies_);
    }
    layout->addStretch();
    return row;
}

QGroupBox* CardPage::buildConditions() {
    auto* box = makeGroupBox(this, d_.box, Ui::tr(" 条件設定 "));
    box->setFixedWidth(300);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(7);
    const QString groupLabel = translated(family_.groupLabel);
    const int width = captionWidth(box, {groupLabel, Ui::tr("レア度"), Ui::tr("枚数")});
    if (!d_.groups.isEmpty()) {
        auto* row = labelledRow(box, column, groupLabel, width);
        // The four kind captions need the room; the one-character elements can breathe.
        row->setSpacing(d_.groups.size() == 5 ? 8 : 3);
        for (qsizetype i = 0; i < d_.groups.size(); ++i) {
            groups_ << makeCheckBox(box, d_.groups[i], translated(family_.groupCaptions[i]), true);
            connect(groups_.back(), &QCheckBox::toggled, this, &CardPage::filterClicked);
            row->addWidget(groups_.back());
        }
        // Captions longer than the box has room for beside the row's caption (a translation's)
        // take a row of their own under it, as close together as the style allows.
        const QMargins margins = column->contentsMargins();
        if (rowWidth(row) > box->width() - margins.left() - margins.right()) {
            auto* below = new QHBoxLayout;
            below->setSpacing(0);
            for (QCheckBox* group : std::as_const(groups_)) {
                row->removeWidget(group);
                below->addWidget(group);
            }
            below->addStretch();
            column->addLayout(below);
        }
        row->addStretch();
    }
    auto* rarityRow = labelledRow(box, column, Ui::tr("レア度"), width);
    rarityRow->setSpacing(8);
    const QStringList letters = {QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("R"),
                                 QStringLiteral("E")};
    for (qsizetype i = 0; i < d_.rarities.size(); ++i) {
        // E cards are rare enough that drawing them is opt-in.
        rarities_ << makeCheckBox(box, d_.rarities[i], letters[i], i != 3);
        connect(rarities_.back(), &QCheckBox::toggled, this, &CardPage::filterClicked);
        rarityRow->addWidget(rarities_.back());
    }
    rarityRow->addStretch();
    labelledRow(box, column, {}, width)->addWidget(buildCountRow(box, width));
    column->addSpacing(4);
    output_ = makeCheckBox(box, d_.output, Ui::tr("ファイルに出力"), false);
    clearAfter_ = makeCheckBox(box, d_.clearAfter, Ui::tr("ファイルに出力後、リストをクリアする"), false);
    clearAfter_->setEnabled(false);
    connect(output_, &QCheckBox::toggled, this, &CardPage::outputClicked);
    connect(clearAfter_, &QCheckBox::toggled, this, [this] { store(clearAfter_); });
    column->addWidget(output_);
    column->addWidget(clearAfter_);
    column->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = makeButton(box, d_.ok, QStringLiteral("OK"));
    auto* clear = makeButton(box, d_.clear, Ui::tr("クリア"));
    connect(ok_, &QPushButton::clicked, this, &CardPage::okClicked);
    connect(clear, &QPushButton::clicked, this, &CardPage::clearResults);
    for (QPushButton* button : {ok_, clear}) {
        button->setFixedWidth(80);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    return box;
}

// Each field under its label; the copies field last, in a sentence of its own.
QWidget* CardPage::buildFields() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 8, 0, 0);
    grid->setVerticalSpacing(5);
    for (qsizetype i = 0; i < family_.fieldLabels.size(); ++i) {
        const int row = static_cast<int>(i);
        QLabel* label = makeLabel(panel, translated(family_.fieldLabels[i]));
        grid->addWidget(label, row, 0);
        fields_ << makeField(panel, d_.results + QString::number(i + 1), 160);
        label->setBuddy(fields_.back());
        grid->addWidget(fields_.back(), row, 1, 1, 2, Qt::AlignLeft);
    }
    auto* line = new QHBoxLayout;
    line->addWidget(makeLabel(panel, Ui::tr("指定されたクリーチャーをブック内に")));
    fields_ << makeField(panel, d_.results + QString::number(fields_.size() + 1), 32);
    line->addWidget(fields_.back());
    line->addWidget(makeLabel(panel, translated(family_.copiesTail)));
    line->addStretch();
    grid->addLayout(line, grid->rowCount(), 0, 1, 3);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

} // namespace tavu
