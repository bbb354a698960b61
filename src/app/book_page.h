#pragma once

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tavu {

struct AppContext;
class ResultBox;
class SpinEdit;

// "ブック完全構成": a whole 50-card book, by family counts or completely at random.
// Its settings are written only by "設定を保存".
class BookPage : public QWidget {
    Q_OBJECT
public:
    BookPage(AppContext& context, QWidget* parent);

    QList<SpinEdit*> counts() const { return counts_; }
    QList<QCheckBox*> options() const { return options_; } // AbsoluteCB1 .. AbsoluteCB4
    ResultBox* resultBox() const { return result_; }

public slots:
    void AbsoluteSE1Change();
    void AbsoluteSE2Change();
    void AbsoluteSE3Change();
    void AbsoluteCB1Click();
    void AbsoluteCB2Click();
    void AbsoluteCB4Click();
    void BRandomAbsoluteClick();
    void ButtonAbsoluteClearClick();
    void AbsoluteBCautionClick();
    void ButtonAbsoluteSaveClick();

private:
    QWidget* buildCounts();
    QWidget* buildOptions();
    QWidget* buildButtons();
    void connectHandlers();
    void runCountRule(SpinEdit* changed);
    int total() const;

    AppContext& ctx_;
    QList<SpinEdit*> counts_;
    QList<QCheckBox*> options_;
    QLabel* labelA_ = nullptr;
    QLabel* labelB_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* caution_ = nullptr;
    ResultBox* result_ = nullptr;
};

} // namespace tavu
