#pragma once

#include "bound_page.h"

#include <QList>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace tavu {

namespace cpu {
struct CpuDisplay;
}

// "対戦相手の抽出 ( CPU )": the computer opponents and which of them are allies. Its settings
// are written only by "設定を保存".
class CpuPage : public BoundPage {
    Q_OBJECT
public:
    explicit CpuPage(PageContext& context);

public slots:
    void VS_CB1Click();
    void N3Click();
    void VS_ComboBoxChange();
    void VS_CBFile1Click();
    void ButtonVSSetUpClick();
    void ButtonCPUSaveClick();

private:
    cpu::CpuDisplay shownDisplay() const;
    void show(const cpu::CpuDisplay& display);
    QWidget* buildInputs();
    QWidget* buildNote();
    QWidget* buildDisplays();

    QList<QCheckBox*> elements_;
    QComboBox* count_ = nullptr;
    QComboBox* allies_ = nullptr;
    QCheckBox* output_ = nullptr;
    QCheckBox* clearAfter_ = nullptr;
    QList<QLineEdit*> displays_;
    QList<QCheckBox*> allyMarks_;
    QPushButton* ok_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace tavu
