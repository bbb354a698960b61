#pragma once

#include "bound_page.h"

#include <QList>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavu {

class ResultBox;
class SpinEdit;

// "ブック完全構成": a whole 50-card book, by family counts or completely at random.
// Its settings are written only by "設定を保存".
class BookPage : public BoundPage {
    Q_OBJECT
public:
    explicit BookPage(PageContext& context);

    void clearForStart() override { ButtonAbsoluteClearClick(); }

public slots:
    void AbsoluteCB1Click();
    void AbsoluteCB2Click();
    void AbsoluteCB4Click();
    void BRandomAbsoluteClick();
    void ButtonAbsoluteClearClick();
    void AbsoluteBCautionClick();
    void ButtonAbsoluteSaveClick();

private:
    QString notReadyReason() const;
    void showTotal();
    QWidget* buildCounts();
    QWidget* buildOptions();
    QWidget* buildButtons();
    // Any of the three counts: a total over 50 takes the changed count back down.
    void AbsoluteSEChange(SpinEdit* changed);
    int total() const;

    QList<SpinEdit*> counts_;
    QList<QCheckBox*> options_;
    QLabel* labelA_ = nullptr;
    QLabel* labelB_ = nullptr;
    QLabel* total_ = nullptr; // the running total of the three counts
    QPushButton* ok_ = nullptr;
    QPushButton* save_ = nullptr;
    ResultBox* result_ = nullptr;
};

} // namespace tavu
