#pragma once

#include "card_page.h"

class QComboBox;
class QLineEdit;

namespace tavu {

// "クリーチャー" / "単体抽出": one creature and how many copies of it go into the book.
class CreatureSinglePage : public CardPage {
    Q_OBJECT
public:
    CreatureSinglePage(AppContext& context, QWidget* parent);

    QList<QLineEdit*> fields() const { return fields_; }

public slots:
    void CB1Click();
    void CCB1AChange();
    void CCB2AClick();
    void CCB3AClick();
    void BRandom1Click();
    void ButtonC4Click();

private:
    QWidget* buildResults();

    QComboBox* copies_ = nullptr;
    QList<QLineEdit*> fields_;
};

} // namespace tavu
