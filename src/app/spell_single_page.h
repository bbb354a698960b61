#pragma once

#include "card_page.h"

class QComboBox;
class QLineEdit;

namespace tavu {

// "スペル" / "単体抽出": one spell and how many copies of it go into the book.
class SpellSinglePage : public CardPage {
    Q_OBJECT
public:
    SpellSinglePage(AppContext& context, QWidget* parent);

    QList<QLineEdit*> fields() const { return fields_; }

public slots:
    void SCB1NClick();
    void SpellCB1AChange();
    void SCB1AClick();
    void SCB2AClick();
    void BRandom5Click();
    void ButtonC6Click();

private:
    QWidget* buildResults();

    QComboBox* copies_ = nullptr;
    QList<QLineEdit*> fields_;
};

} // namespace tavu
