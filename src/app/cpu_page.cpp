#include "cpu_page.h"

#include "app_context.h"
#include "app_strings.h"
#include "controls.h"
#include "store/settings_entries.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

CpuPage::CpuPage(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , ctx_(context) {
    setObjectName(QStringLiteral("TabSheet9"));
    auto* left = new QVBoxLayout;
    left->addWidget(buildInputs());
    left->addWidget(buildNote());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildDisplays());
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    save_ = makeButton(this, QStringLiteral("ButtonCPUSave"), QStringLiteral("設定を保存"));
    ok_ = makeButton(this, QStringLiteral("ButtonVSSetUp"), QStringLiteral("OK"));
    buttons->addWidget(save_);
    buttons->addWidget(ok_);
    right->addLayout(buttons);
    auto* arrow = makeLabel(this, QStringLiteral("⇒"));
    QFont big = arrow->font();
    big.setPixelSize(28);
    arrow->setFont(big);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left);
    layout->addWidget(arrow);
    layout->addLayout(right, 1);
    connectHandlers();
}

QWidget* CpuPage::buildInputs() {
    auto* box = makeGroupBox(this, QStringLiteral("VS_GB1"), QStringLiteral(" CPU ランダム抽出 "));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setVerticalSpacing(8);
    grid->addWidget(makeLabel(box, QStringLiteral("CPU の人数"), QStringLiteral("Label10")), 0, 0);
    count_ = makeComboBox(box, QStringLiteral("VS_ComboBox"), {" 指定しない", " 1人", " 2人", " 3人"});
    grid->addWidget(count_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(box, QStringLiteral("ブック傾向 （通常）"), QStringLiteral("Label31")), 1, 0);
    auto* elementRow = new QHBoxLayout;
    const QStringList captions = {"無", "火", "水", "地", "風"};
    checkAll_ = new QAction(QStringLiteral("全属性にチェック(&A)"), this);
    checkAll_->setObjectName(QStringLiteral("N3"));
    for (int n = 1; n <= 5; ++n) {
        elements_ << makeCheckBox(box, QStringLiteral("VS_CB") + QString::number(n), captions[n - 1], true);
        elements_.back()->setContextMenuPolicy(Qt::ActionsContextMenu);
        elements_.back()->addAction(checkAll_);
        elementRow->addWidget(elements_.back());
    }
    elementRow->addStretch();
    grid->addLayout(elementRow, 1, 1);
    grid->addWidget(makeLabel(box, QStringLiteral("同盟相手"), QStringLiteral("Label38")), 2, 0);
    allies_ = makeComboBox(box, QStringLiteral("VS_CBox2"),
                           {" 同盟戦を行わない", " 人数を指定しない", " 1人", " 2人"});
    grid->addWidget(allies_, 2, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(box, QStringLiteral("追加オプション"), QStringLiteral("Label33")), 3, 0,
                    Qt::AlignTop);
    output_ = makeCheckBox(box, QStringLiteral("VS_CBFile1"), QStringLiteral("ファイルに出力"), false);
    clearAfter_ = makeCheckBox(box, QStringLiteral("VS_CBFile2"),
                               QStringLiteral("ファイルに出力後、リストをクリアする"), false);
    clearAfter_->setEnabled(false);
    auto* options = new QVBoxLayout;
    options->addWidget(output_);
    options->addWidget(clearAfter_);
    grid->addLayout(options, 3, 1);
    return box;
}

QWidget* CpuPage::buildNote() {
    auto* box = makeGroupBox(this, QStringLiteral("VS_GB2"), {});
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(
        makeLabel(box, QStringLiteral(">>　ブック傾向は、ストーリーキャラの基礎ブックをベースにしています")));
    return box;
}

QWidget* CpuPage::buildDisplays() {
    auto* box = makeGroupBox(this, QStringLiteral("VS_GB3"), QStringLiteral(" 表示用ボックス "));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(makeLabel(box, QStringLiteral("同盟"), QStringLiteral("Label39")), 0, 0);
    for (int n = 1; n <= 4; ++n)
        displays_ << makeField(box, QStringLiteral("VSEdit") + QString::number(n), 0);
    grid->addWidget(displays_[0], 0, 1);
    for (int n = 1; n <= 3; ++n) {
        allyMarks_ << makeCheckBox(box, QStringLiteral("FCB") + QString::number(n), {}, false);
        // Marks only show the result; the user does not set them.
        allyMarks_.back()->setAttribute(Qt::WA_TransparentForMouseEvents);
        allyMarks_.back()->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(allyMarks_.back(), n, 0, Qt::AlignCenter);
        grid->addWidget(displays_[n], n, 1);
    }
    return box;
}

void CpuPage::connectHandlers() {
    for (QCheckBox* box : elements_)
        connect(box, &QCheckBox::toggled, this, &CpuPage::VS_CB1Click);
    connect(checkAll_, &QAction::triggered, this, &CpuPage::N3Click);
    connect(count_, &QComboBox::activated, this, &CpuPage::VS_ComboBoxChange);
    connect(allies_, &QComboBox::activated, this, &CpuPage::VS_ComboBoxChange);
    connect(output_, &QCheckBox::toggled, this, &CpuPage::VS_CBFile1Click);
    connect(ok_, &QPushButton::clicked, this, &CpuPage::ButtonVSSetUpClick);
    connect(save_, &QPushButton::clicked, this, &CpuPage::ButtonCPUSaveClick);
}

void CpuPage::VS_CB1Click() {
    bool any = false;
    for (QCheckBox* box : elements_)
        any = any || box->isChecked();
    ok_->setEnabled(any);
}

void CpuPage::N3Click() {
    for (QCheckBox* box : elements_)
        box->setChecked(true);
}

void CpuPage::VS_ComboBoxChange() {
    ok_->setEnabled(true);
    save_->setEnabled(true);
    // One CPU player leaves nobody to be allied with.
    const int allies = allies_->currentIndex();
    if (count_->currentIndex() == 1 && (allies == 2 || allies == 3)) {
        ok_->setEnabled(false);
        save_->setEnabled(false);
    }
}

void CpuPage::VS_CBFile1Click() {
    clearAfter_->setEnabled(output_->isChecked());
}

void CpuPage::ButtonCPUSaveClick() {
    if (!ctx_.dialogs.question(QString::fromUtf8(text::SaveQuestion), QStringLiteral("TAVU"),
                               Dialogs::Buttons::OkCancel))
        return;
    auto& s = ctx_.settings;
    for (int n = 1; n <= 5; ++n) {
        auto* box = window()->findChild<QCheckBox*>(QStringLiteral("VS_CB") + QString::number(n));
        s[static_cast<std::size_t>(entry::CpuElementFirst + n - 1)] = box->isChecked() ? 1 : 0;
    }
    s[entry::CpuCount] = count_->currentIndex();
    s[entry::CpuOutput] = output_->isChecked() ? 1 : 0;
    s[entry::CpuClear] = clearAfter_->isChecked() ? 1 : 0;
    s[entry::CpuAllies] = allies_->currentIndex();
    if (ctx_.saveSettings())
        ctx_.dialogs.inform(QString::fromUtf8(text::SaveDone));
}

} // namespace tavu
