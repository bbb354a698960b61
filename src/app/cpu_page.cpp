#include "app_strings.h"
#include "bound_page.h"
#include "controls.h"
#include "dialogs.h"
#include "draw_steps.h"
#include "match/cpu_opponents.h"
#include "page_context.h"
#include "store/settings_entries.h"
#include "store/sjis_text.h"
#include "ui_text.h"

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
#include <algorithm>
#include <functional>

namespace tavu {

// The CPU page's controls: entries, restore steps, hints and the names a screen reader speaks.
std::vector<Binding> cpuPageBindings();

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

CpuPage::CpuPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet9"), cpuPageBindings()) {
    auto* left = new QVBoxLayout;
    left->addWidget(buildInputs());
    left->addWidget(buildNote());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(buildDisplays());
    right->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    save_ = makeButton(this, QStringLiteral("ButtonCPUSave"), Ui::tr("設定を保存"));
    ok_ = makeButton(this, QStringLiteral("ButtonVSSetUp"), QStringLiteral("OK"));
    connect(save_, &QPushButton::clicked, this, &CpuPage::ButtonCPUSaveClick);
    connect(ok_, &QPushButton::clicked, this, &CpuPage::ButtonVSSetUpClick);
    buttons->addWidget(save_);
    buttons->addWidget(ok_);
    right->addLayout(buttons);
    auto* arrow = makeArrow(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left);
    layout->addWidget(arrow);
    layout->addLayout(right, 1);
    setDefaultButton(ok_);
    // The conditions row by row, then the results beside them and the buttons under those.
    QList<QWidget*> order{count_};
    order << QList<QWidget*>(elements_.begin(), elements_.end()) << allies_ << output_ << clearAfter_
          << QList<QWidget*>(displays_.begin(), displays_.end()) << save_ << ok_;
    chainTabOrder(order);
}

QWidget* CpuPage::buildInputs() {
    auto* box = makeGroupBox(this, QStringLiteral("VS_GB1"), Ui::tr(" CPU ランダム抽出 "));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setVerticalSpacing(8);
    QLabel* countLabel = makeLabel(box, Ui::tr("CPU の人数"), QStringLiteral("Label10"));
    grid->addWidget(countLabel, 0, 0);
    count_ = makeComboBox(box, QStringLiteral("VS_ComboBox"),
                          {Ui::tr(" 指定しない"), Ui::tr(" 1人"), Ui::tr(" 2人"), Ui::tr(" 3人")});
    countLabel->setBuddy(count_);
    grid->addWidget(count_, 0, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(box, Ui::tr("ブック傾向 （通常）"), QStringLiteral("Label31")), 1, 0);
    auto* elementRow = new QHBoxLayout;
    const QStringList captions = {Ui::tr("無"), Ui::tr("火"), Ui::tr("水"), Ui::tr("地"), Ui::tr("風")};
    auto* checkAll = new QAction(Ui::tr("全属性にチェック(&A)"), this);
    checkAll->setObjectName(QStringLiteral("N3"));
    connect(checkAll, &QAction::triggered, this, &CpuPage::N3Click);
    for (int n = 1; n <= 5; ++n) {
        elements_ << makeCheckBox(box, QStringLiteral("VS_CB") + QString::number(n), captions[n - 1], true);
        elements_.back()->setContextMenuPolicy(Qt::ActionsContextMenu);
        elements_.back()->addAction(checkAll);
        connect(elements_.back(), &QCheckBox::toggled, this, &CpuPage::VS_CB1Click);
        elementRow->addWidget(elements_.back());
    }
    elementRow->addStretch();
    grid->addLayout(elementRow, 1, 1);
    QLabel* alliesLabel = makeLabel(box, Ui::tr("同盟相手"), QStringLiteral("Label38"));
    grid->addWidget(alliesLabel, 2, 0);
    allies_ = makeComboBox(
        box, QStringLiteral("VS_CBox2"),
        {Ui::tr(" 同盟戦を行わない"), Ui::tr(" 人数を指定しない"), Ui::tr(" 1人"), Ui::tr(" 2人")});
    alliesLabel->setBuddy(allies_);
    grid->addWidget(allies_, 2, 1, Qt::AlignLeft);
    grid->addWidget(makeLabel(box, Ui::tr("追加オプション"), QStringLiteral("Label33")), 3, 0, Qt::AlignTop);
    output_ = makeCheckBox(box, QStringLiteral("VS_CBFile1"), Ui::tr("ファイルに出力"), false);
    clearAfter_ = makeCheckBox(box, QStringLiteral("VS_CBFile2"),
                               Ui::tr("ファイルに出力後、リストをクリアする"), false);
    clearAfter_->setEnabled(false);
    for (QComboBox* combo : {count_, allies_})
        connect(combo, &QComboBox::activated, this, &CpuPage::VS_ComboBoxChange);
    connect(output_, &QCheckBox::toggled, this, &CpuPage::VS_CBFile1Click);
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
        makeLabel(box, Ui::tr(">>　ブック傾向は、ストーリーキャラの基礎ブックをベースにしています")));
    return box;
}

QWidget* CpuPage::buildDisplays() {
    auto* box = makeGroupBox(this, QStringLiteral("VS_GB3"), Ui::tr(" 表示用ボックス "));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 8);
    grid->setVerticalSpacing(6);
    grid->addWidget(makeLabel(box, Ui::tr("同盟"), QStringLiteral("Label39")), 0, 0);
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

void CpuPage::VS_CB1Click() {
    ok_->setEnabled(std::any_of(elements_.begin(), elements_.end(), std::mem_fn(&QCheckBox::isChecked)));
}

void CpuPage::N3Click() {
    for (QCheckBox* box : elements_)
        box->setChecked(true);
}

void CpuPage::VS_ComboBoxChange() {
    // One CPU player leaves nobody to be allied with.
    const int allies = allies_->currentIndex();
    const bool possible = count_->currentIndex() != 1 || (allies != 2 && allies != 3);
    ok_->setEnabled(possible);
    save_->setEnabled(possible);
}

void CpuPage::VS_CBFile1Click() {
    clearAfter_->setEnabled(output_->isChecked());
}

void CpuPage::ButtonCPUSaveClick() {
    storeAllIfConfirmed(Ui::tr(text::SaveQuestion), QStringLiteral("TAVU"));
}

cpu::CpuDisplay CpuPage::shownDisplay() const {
    cpu::CpuDisplay display;
    for (int i = 0; i < 4; ++i)
        display.vsEdit[static_cast<std::size_t>(i)] = toSjis(displays_[i]->text());
    for (int i = 0; i < 3; ++i)
        display.allies[static_cast<std::size_t>(i)] = allyMarks_[i]->isChecked();
    return display;
}

void CpuPage::show(const cpu::CpuDisplay& display) {
    showFields(displays_, {display.vsEdit.begin(), display.vsEdit.end()});
    for (int i = 0; i < 3; ++i)
        allyMarks_[i]->setChecked(display.allies[static_cast<std::size_t>(i)]);
}

void CpuPage::ButtonVSSetUpClick() {
    cpu::CpuRequest request{count_->currentIndex(), {}, allies_->currentIndex()};
    for (int i = 0; i < 5; ++i)
        request.elements[static_cast<std::size_t>(i)] = elements_[i]->isChecked();
    const DrawUnderWay drawing = ctx_.drawStarts(code::cpuPlan(request));
    const auto result =
        cpu::drawCpuOpponents(ctx_.tables().opponents, request, shownDisplay(), processRandom());
    // Every stop (ShowTendencyWarning among them) is a warning under the same caption.
    if (!result.message.empty())
        return ctx_.dialogs().warn(QString::fromUtf8(result.message),
                                   QString::fromUtf8(cpu::TendencyWarningCaption));
    show(result.display);
    auto body = cpu::cpuFileBody(result.display, result.opponents);
    ctx_.drawShown(body);
    if (!output_->isChecked())
        return;
    runShowingErrors(
        ctx_, [this, &body] { ctx_.writeResultFile(std::move(body), clearAfter_, [this] { show({}); }); });
}

BoundPage* newCpuPage(PageContext& context) {
    return new CpuPage(context);
}

} // namespace tavu

#include "cpu_page.moc"
