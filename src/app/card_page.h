#pragma once

#include "bound_page.h"
#include "draw/draw_filter.h"
#include "draw/draw_result.h"

#include <QList>
#include <QStringList>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavu {

class RandomSource;
class ResultBox;
class SpinEdit;
struct Tables;

// The boxes of a card page as its draws read them: the element or kind boxes (as many as the
// page has, the rest false) and the rarity boxes.
struct CardTicks {
    std::array<bool, ElementCount> groups{};
    RarityTicks rarities{};
};

// What the single and the list page of one kind of card share.
struct CardFamily {
    QString groupLabel{}; // "属性" or "種類"; none on the spell pages
    QStringList groupCaptions{};
    QString groupMoveText{};
    QStringList fieldLabels; // the single draw's result fields, the copies field not counted
    QStringList fieldHints;
    QString copiesTail; // after the copies field: "枚入れる" or "枚組み込む"
    CountRange listCount;
    bool fixedPitchList; // so that the list's columns line up
    QString listHint{};
    QString listMoveText{};
    // Creature and item draws run under the guard that turns any failure into the draw
    // warning; the spell draws show a failure in the error box with its own message.
    bool guarded = true;
    int keptAfterOutput = -1; // a result field the clear-after box leaves on screen

    bool (*okEnabled)(const CardTicks& ticks);
    SingleDrawResult (*drawSingle)(const Tables&, const CardTicks&, const SingleCopies&, RandomSource&);
    MultipleDrawResult (*drawList)(const Tables&, const CardTicks&, const MultipleCount&, RandomSource&);
};

// One card page: its controls' names and settings entries. The list pages have a spin edit
// and a "指定無し" box where the single pages have a copies combo.
struct CardPageDescription {
    const CardFamily* family;
    QString sheet;
    QString box;
    QStringList groups{}; // ticked at start; none on the spell pages
    QStringList groupHints{};
    QStringList rarities; // N, S, R, E
    QString count;        // the copies combo, or the list draw's spin edit
    QString random{};     // the list draw's "指定無し" box; empty on a single page
    QString output;
    QString clearAfter;
    QString ok;
    QString clear;
    QString results; // the list, or the prefix of the numbered result fields

    struct Entries {
        int rarityE;
        int count;
        int random;
        int output;
        int clearAfter;
    } entries;

    bool isList() const { return !random.isEmpty(); }
};

extern const CardPageDescription CreatureSinglePage;
extern const CardPageDescription CreatureListPage;
extern const CardPageDescription ItemSinglePage;
extern const CardPageDescription ItemListPage;
extern const CardPageDescription SpellSinglePage;
extern const CardPageDescription SpellListPage;

// A card-draw page, single or list, of creatures, items or spells, built from its
// description: the filter boxes that decide whether OK may be pressed, the count controls,
// the output and clear-after boxes, and the settings entries written on every change.
class CardPage : public BoundPage {
    Q_OBJECT
public:
    CardPage(PageContext& context, const CardPageDescription& description);

    void clearForStart() override { clearResults(); }

public slots:
    // Any filter box: OK enabled exactly when a group (if any) and a rarity are ticked and,
    // on item pages, the choice is not an E-only choice of armour and scrolls alone.
    void filterClicked();
    void randomClicked();
    void outputClicked();
    void okClicked();
    void clearResults();

private:
    QGroupBox* buildConditions();
    QWidget* buildCountRow(QWidget* box, int captionWidth);
    QWidget* buildFields();

    CardTicks ticks() const;
    // Why the family's rule keeps OK disabled for `t`.
    QString okDisabledReason(const CardTicks& t) const;
    // Each draw ends with the message it stopped with, or its result on screen and, with
    // output ticked, in the result file.
    void drawSingle();
    void drawList();
    void clearAfterOutput();

    const CardPageDescription& d_;
    const CardFamily& family_;
    QList<QCheckBox*> groups_;
    QList<QCheckBox*> rarities_;
    QComboBox* copies_ = nullptr;
    SpinEdit* count_ = nullptr;
    QCheckBox* random_ = nullptr;
    QCheckBox* output_ = nullptr;
    QCheckBox* clearAfter_ = nullptr;
    QPushButton* ok_ = nullptr;
    QList<QLineEdit*> fields_;
    ResultBox* list_ = nullptr;
};

} // namespace tavu
