#pragma once

#include "card_page.h"

namespace tavu {

class ResultBox;

// "スペル" / "複数抽出": a numbered list of spells, sorted by rarity.
class SpellMultiplePage : public CardPage {
    Q_OBJECT
public:
    SpellMultiplePage(AppContext& context, QWidget* parent);

    SpinEdit* countEdit() const { return count_; }
    QCheckBox* randomCountBox() const { return random_; }
    ResultBox* resultList() const { return list_; }

public slots:
    void SCB2NClick();
    void SSE1BChange();
    void SCB1BClick();
    void SCB2BClick();
    void SCB3BClick();
    void BRandom6Click();
    void ButtonC3Click();

private:
    SpinEdit* count_ = nullptr;
    QCheckBox* random_ = nullptr;
    ResultBox* list_ = nullptr;
};

} // namespace tavu
