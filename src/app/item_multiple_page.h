#pragma once

#include "card_page.h"

namespace tavu {

class ResultBox;

// "アイテム" / "複数抽出": a numbered list of items, sorted by kind and rarity.
class ItemMultiplePage : public CardPage {
    Q_OBJECT
public:
    ItemMultiplePage(AppContext& context, QWidget* parent);

    SpinEdit* countEdit() const { return count_; }
    QCheckBox* randomCountBox() const { return random_; }
    ResultBox* resultList() const { return list_; }

public slots:
    void ICB1CClick();
    void ISE4BChange();
    void ICB4BClick();
    void ICB5BClick();
    void ICB6BClick();
    void BRandom4Click();
    void ButtonC2Click();

private:
    SpinEdit* count_ = nullptr;
    QCheckBox* random_ = nullptr;
    ResultBox* list_ = nullptr;
};

} // namespace tavu
