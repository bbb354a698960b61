#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavu {

struct AppContext;

// "対戦相手の抽出 ( CPU )": the computer opponents and which of them are allies. Its settings
// are written only by "設定を保存".
class CpuPage : public QWidget {
    Q_OBJECT
public:
    CpuPage(AppContext& context, QWidget* parent);

    QList<QCheckBox*> elements() const { return elements_; } // VS_CB1 .. VS_CB5
    QComboBox* countCombo() const { return count_; }
    QComboBox* alliesCombo() const { return allies_; }
    QCheckBox* outputBox() const { return output_; }
    QCheckBox* clearAfterBox() const { return clearAfter_; }

public slots:
    void VS_CB1Click();
    void N3Click();
    void VS_ComboBoxChange();
    void VS_CBFile1Click();
    void ButtonVSSetUpClick();
    void ButtonCPUSaveClick();

private:
    QWidget* buildInputs();
    QWidget* buildNote();
    QWidget* buildDisplays();
    void connectHandlers();

    AppContext& ctx_;
    QList<QCheckBox*> elements_;
    QComboBox* count_ = nullptr;
    QComboBox* allies_ = nullptr;
    QCheckBox* output_ = nullptr;
    QCheckBox* clearAfter_ = nullptr;
    QList<QLineEdit*> displays_;
    QList<QCheckBox*> allyMarks_;
    QAction* checkAll_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace tavu
