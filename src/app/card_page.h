#pragma once

#include <QCheckBox>
#include <QList>
#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QGroupBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace tavu {

struct AppContext;
struct MultipleDrawResult;
class ResultBox;
struct SingleDrawResult;
class SpinEdit;

// Names of the " 条件設定 " controls of one card page.
struct ConditionNames {
    QString box;
    QString groupLabel;     // "属性" or "種類"; empty on spell pages
    QStringList groupNames; // element or kind boxes, ticked at start
    QStringList groupCaptions;
    QStringList rarityNames; // N, S, R, E
    QString output;          // "ファイルに出力"
    QString clearAfter;      // "ファイルに出力後、リストをクリアする"
    QString ok;
    QString clear;
};

// What the six card-draw pages share: the filter boxes that decide whether OK may be pressed,
// the output and clear-after boxes, and the settings entries they write on every change.
class CardPage : public QWidget {
    Q_OBJECT
public:
    QPushButton* okButton() const { return ok_; }
    QCheckBox* outputBox() const { return output_; }
    QCheckBox* clearAfterBox() const { return clearAfter_; }
    QCheckBox* rarityEBox() const { return rarities_.value(3); }

protected:
    CardPage(AppContext& context, const QString& name, QWidget* parent);

    // Builds the group box; `countRow` is the page's count combo or spin edit row.
    QGroupBox* buildConditions(const ConditionNames& names, QWidget* countRow);
    QWidget* copiesRow(QComboBox*& combo, const QString& name);
    QWidget* countRow(SpinEdit*& spin, const QString& spinName, int maximum, int value, QCheckBox*& randomBox,
                      const QString& randomName);
    // The page: conditions on the left, results on the right.
    void placeSideBySide(QGroupBox* conditions, QWidget* results);

    // Wires every filter box to `slot` and the output box to `outputSlot`.
    template <class Page>
    void connectFilters(Page* page, void (Page::*slot)(), void (Page::*outputSlot)(),
                        void (Page::*clearSlot)());

    // Filter handlers: OK enabled exactly when a group (if any) and a rarity are ticked and,
    // on item pages, the choice is not an E-only choice of armour and scrolls alone.
    void runFilterRule(int eEntry, bool itemRule);
    void runOutputRule(int entry);
    void runRandomCountRule(QCheckBox* box, SpinEdit* spin, int entry);
    void storeOwnIndex(QCheckBox* box, int entry);

    // The end every draw shares: the message it stopped with, or its result on screen and,
    // with output ticked, in the result file; `clearAfterOutput` empties what the clear-after
    // box clears.
    void finishSingleDraw(const SingleDrawResult& result, const QList<QLineEdit*>& fields,
                          const std::function<void()>& clearAfterOutput);
    // A list draw's spin edit keeps a random count even when the draw then stops.
    void finishMultipleDraw(const MultipleDrawResult& result, ResultBox* list, SpinEdit* count);

    AppContext& ctx_;
    QList<QCheckBox*> groups_;
    QList<QCheckBox*> rarities_;
    QCheckBox* output_ = nullptr;
    QCheckBox* clearAfter_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// Builds "label: field" rows for the single-draw result fields, returning the fields.
QList<QLineEdit*> addResultRows(QGridLayout* grid, QWidget* parent, const QString& prefix,
                                const QStringList& labels, int fieldWidth);
// The copies row under the fields: "指定されたクリーチャーをブック内に" [field] `tail`.
QLineEdit* addCopiesRow(QGridLayout* grid, QWidget* parent, const QString& name, const QString& tail);

template <class Page>
void CardPage::connectFilters(Page* page, void (Page::*slot)(), void (Page::*outputSlot)(),
                              void (Page::*clearSlot)()) {
    for (QCheckBox* box : groups_ + rarities_)
        connect(box, &QCheckBox::toggled, page, slot);
    connect(output_, &QCheckBox::toggled, page, outputSlot);
    connect(clearAfter_, &QCheckBox::toggled, page, clearSlot);
}

} // namespace tavu
