#pragma once

#include "bound_page.h"
#include "card_page_description.h"

#include <QList>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace tavu {

class ResultBox;
class SpinEdit;

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
    static std::vector<Binding> bindings(const CardPageDescription& d);
    QWidget* copiesRow();
    QWidget* countRow();
    QGroupBox* buildConditions(QWidget* countControls);
    QWidget* buildFields();

    CardTicks ticks() const;
    void drawSingle();
    void drawList();
    // The end every draw shares: the message it stopped with, or its result on screen and,
    // with output ticked, in the result file.
    void finishSingleDraw(const SingleDrawResult& result);
    void finishListDraw(const MultipleDrawResult& result);
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
