#pragma once

#include "card_page.h"

class QComboBox;
class QLineEdit;

namespace tavu {

// "アイテム" / "単体抽出": one item and how many copies of it go into the book.
class ItemSinglePage : public CardPage {
    Q_OBJECT
public:
    ItemSinglePage(AppContext& context, QWidget* parent);

    QList<QLineEdit*> fields() const { return fields_; }

public slots:
    void ICB1AClick();
    void ICB4Change();
    void ICB1Click();
    void ICB2Click();
    void BRandom3Click();
    void ButtonC5Click();

private:
    QWidget* buildResults();

    QComboBox* copies_ = nullptr;
    QList<QLineEdit*> fields_;
};

} // namespace tavu
