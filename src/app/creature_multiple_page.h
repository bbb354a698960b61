#pragma once

#include "card_page.h"

namespace tavu {

class ResultBox;

// "クリーチャー" / "複数抽出": a list of creatures, sorted by element and rarity.
class CreatureMultiplePage : public CardPage {
    Q_OBJECT
public:
    CreatureMultiplePage(AppContext& context, QWidget* parent);

    SpinEdit* countEdit() const { return count_; }
    QCheckBox* randomCountBox() const { return random_; }
    ResultBox* resultList() const { return list_; }

public slots:
    void NCBClick();
    void CSE4BChange();
    void CCB1BClick();
    void CCB2BClick();
    void CCB3BClick();
    void BRandom2Click();
    void ButtonC1Click();

private:
    SpinEdit* count_ = nullptr;
    QCheckBox* random_ = nullptr;
    ResultBox* list_ = nullptr;
};

} // namespace tavu
