#include "card_page.h"

#include "app_context.h"
#include "controls.h"
#include "draw/draw_filter.h"
#include "draw/draw_result.h"
#include "draw/output_buffer.h"
#include "draw_steps.h"
#include "result_box.h"
#include "result_file_output.h"
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

constexpr int RowLabelWidth = 36;

QHBoxLayout* labelledRow(QWidget* parent, QVBoxLayout* column, const QString& label) {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    if (!label.isEmpty()) {
        auto* caption = makeLabel(parent, label);
        caption->setFixedWidth(RowLabelWidth);
        row->addWidget(caption);
    }
    column->addLayout(row);
    return row;
}

} // namespace

CardPage::CardPage(AppContext& context, const QString& name, QWidget* parent)
    : QWidget(parent)
    , ctx_(context) {
    setObjectName(name);
}

QWidget* CardPage::copiesRow(QComboBox*& combo, const QString& name) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    combo = makeComboBox(row, name, copiesItems());
    combo->setFixedWidth(120);
    layout->addWidget(combo);
    layout->addStretch();
    return row;
}

QWidget* CardPage::countRow(SpinEdit*& spin, const QString& spinName, int maximum, int value,
                            QCheckBox*& randomBox, const QString& randomName) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    spin = makeSpinEdit(row, spinName, 1, maximum, 1, value);
    spin->setFixedWidth(56);
    layout->addWidget(spin);
    layout->addWidget(makeLabel(row, QStringLiteral("枚")));
    layout->addSpacing(12);
    randomBox = makeCheckBox(row, randomName, QStringLiteral("指定無し"), false);
    layout->addWidget(randomBox);
    layout->addStretch();
    return row;
}

QGroupBox* CardPage::buildConditions(const ConditionNames& names, QWidget* count) {
    auto* box = makeGroupBox(this, names.box, QStringLiteral(" 条件設定 "));
    box->setFixedWidth(300);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 6, 8, 8);
    column->setSpacing(7);
    if (!names.groupNames.isEmpty()) {
        auto* row = labelledRow(box, column, names.groupLabel);
        // The four kind captions need the room; the one-character elements can breathe.
        row->setSpacing(names.groupNames.size() == 5 ? 8 : 3);
        for (qsizetype i = 0; i < names.groupNames.size(); ++i) {
            groups_ << makeCheckBox(box, names.groupNames[i], names.groupCaptions[i], true);
            row->addWidget(groups_.back());
        }
        row->addStretch();
    }
    auto* rarityRow = labelledRow(box, column, QStringLiteral("レア度"));
    rarityRow->setSpacing(8);
    const QStringList letters = {QStringLiteral("N"), QStringLiteral("S"), QStringLiteral("R"),
                                 QStringLiteral("E")};
    for (qsizetype i = 0; i < names.rarityNames.size(); ++i) {
        // E cards are rare enough that drawing them is opt-in.
        rarities_ << makeCheckBox(box, names.rarityNames[i], letters[i], i != 3);
        rarityRow->addWidget(rarities_.back());
    }
    rarityRow->addStretch();
    count->setParent(box);
    labelledRow(box, column, QStringLiteral("枚数"))->addWidget(count);
    column->addSpacing(4);
    output_ = makeCheckBox(box, names.output, QStringLiteral("ファイルに出力"), false);
    clearAfter_ =
        makeCheckBox(box, names.clearAfter, QStringLiteral("ファイルに出力後、リストをクリアする"), false);
    clearAfter_->setEnabled(false);
    column->addWidget(output_);
    column->addWidget(clearAfter_);
    column->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ok_ = makeButton(box, names.ok, QStringLiteral("OK"));
    clear_ = makeButton(box, names.clear, QStringLiteral("クリア"));
    for (QPushButton* button : {ok_, clear_}) {
        button->setFixedWidth(80);
        buttons->addWidget(button);
    }
    column->addLayout(buttons);
    return box;
}

void CardPage::placeSideBySide(QGroupBox* conditions, QWidget* results) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(10);
    layout->addWidget(conditions);
    layout->addWidget(results, 1);
}

void CardPage::runFilterRule(int eEntry, bool itemRule) {
    // The rule itself lives in the core, so the command line refuses exactly what the page does.
    const auto rarities = ticks<RarityCount>(rarities_);
    bool enabled = false;
    if (groups_.isEmpty())
        enabled = okButtonEnabled(rarities);
    else if (itemRule)
        enabled = okButtonEnabled(ItemFilter{ticks<ItemKindCount>(groups_), rarities});
    else
        enabled = okButtonEnabled(CreatureFilter{ticks<ElementCount>(groups_), rarities});
    ok_->setEnabled(enabled);
    ctx_.storeEntry(eEntry, rarities_[3]->isChecked() ? entry::RarityEChecked : 0);
}

void CardPage::runOutputRule(int entry) {
    clearAfter_->setEnabled(output_->isChecked());
    storeOwnIndex(output_, entry);
}

void CardPage::runRandomCountRule(QCheckBox* box, SpinEdit* spin, int entry) {
    const bool random = box->isChecked();
    spin->setEnabled(!random);
    QPalette palette = spin->palette();
    palette.setColor(QPalette::Base, random ? QColor(0xC0, 0xC0, 0xC0) : QColor(0xFF, 0xFF, 0xFF));
    // The grey field says the count is not the player's to set; the drawn count it then shows
    // must still be read, so it keeps the enabled text colour.
    palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
    spin->setPalette(palette);
    storeOwnIndex(box, entry);
}

void CardPage::storeOwnIndex(QCheckBox* box, int entry) {
    ctx_.storeEntry(entry, box->isChecked() ? entry : 0);
}

void CardPage::finishSingleDraw(const SingleDrawResult& result, const QList<QLineEdit*>& fields,
                                const std::function<void()>& clearAfterOutput) {
    if (showDrawEnd(ctx_, result.end))
        return;
    showFields(fields, result.fields);
    if (!output_->isChecked())
        return;
    ctx_.outputBuffer = singleDrawOutput(result.fields.front(), result.fields.back());
    WriteResultFile(ctx_, clearAfter_, clearAfterOutput);
}

void CardPage::finishMultipleDraw(const MultipleDrawResult& result, ResultBox* list, SpinEdit* count) {
    if (result.randomCount)
        count->setValue(*result.randomCount);
    if (showDrawEnd(ctx_, result.end))
        return;
    showLines(list, result.lines);
    if (!output_->isChecked())
        return;
    ctx_.outputBuffer = multipleDrawOutput(result.lines, result.count);
    WriteResultFile(ctx_, clearAfter_, [list] { list->clear(); });
}

QList<QLineEdit*> addResultRows(QGridLayout* grid, QWidget* parent, const QString& prefix,
                                const QStringList& labels, int fieldWidth) {
    QList<QLineEdit*> fields;
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const int row = static_cast<int>(i);
        grid->addWidget(makeLabel(parent, labels[i]), row, 0);
        fields << makeField(parent, prefix + QString::number(i + 1), fieldWidth);
        grid->addWidget(fields.back(), row, 1, 1, 2, Qt::AlignLeft);
    }
    return fields;
}

QLineEdit* addCopiesRow(QGridLayout* grid, QWidget* parent, const QString& name, const QString& tail) {
    const int row = grid->rowCount();
    auto* line = new QHBoxLayout;
    line->addWidget(makeLabel(parent, QStringLiteral("指定されたクリーチャーをブック内に")));
    auto* field = makeField(parent, name, 32);
    line->addWidget(field);
    line->addWidget(makeLabel(parent, tail));
    line->addStretch();
    grid->addLayout(line, row, 0, 1, 3);
    return field;
}

} // namespace tavu
