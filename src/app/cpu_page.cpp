#include "app_strings.h"
#include "bound_page.h"
#include "controls.h"
#include "dialogs.h"
#include "draw_steps.h"
#include "match/cpu_opponents.h"
#include "page_context.h"
#include "store/settings_entries.h"
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

namespace {

Binding element(int n) {
    return {QStringLiteral("VS_CB%1").arg(n),
            entry::CpuElementFirst + n - 1,
            Holds::TickAsOne,
            Step::Opponents,
            {},
            Ui::tr("右クリックで全属性にチェック")};
}

Binding stored(const char* name, int entry, Holds holds, const QString& hint, const char* moveText = "") {
    return {name, entry, holds, Step::Opponents, hint, moveText};
}

// The result fields and ally marks stand without captions of their own.
Binding shown(const char* name, const QString& hint, const QString& accessibleName) {
    return {.control = name, .hint = hint, .name = accessibleName};
}

// The controls restore in entry order; the button "設定を保存" stores them all.
std::vector<Binding> cpuPageBindings() {
    const QString fewerAllies =
        Ui::tr("同盟相手を 2人以上に設定しても、CPU人数によってはその数が減少する場合があります");
    return {
        {.control = "TabSheet9", .clearsHint = true},
        {.control = "VS_GB1", .clearsHint = true},
        {.control = "VS_GB2", .clearsHint = true},
        element(1),
        element(2),
        element(3),
        element(4),
        element(5),
        stored("VS_ComboBox", entry::CpuCount, Holds::Position,
               Ui::tr("対戦相手の人数を選択することが出来ます")),
        stored("VS_CBFile1", entry::CpuOutput, Holds::TickAsOne, {}, text::OutputMoveText),
        stored("VS_CBFile2", entry::CpuClear, Holds::TickAsOne,
               Ui::tr("ファイルに出力後、結果をクリアします")),
        stored("VS_CBox2", entry::CpuAllies, Holds::Position,
               Ui::tr("同盟相手を抽出したい場合はここを選択して下さい")),
        {.control = "Label10", .hint = Ui::tr("CPU 4人による対戦はサポートしておりません")},
        {.control = "Label31",
         .hint = Ui::tr("幾つかのブックを保有するセプターの場合は、通常時のブックを参照しています")},
        {.control = "Label33", .hint = Ui::tr("ファイル出力の有無を設定します")},
        {.control = "Label38",
         .hint = Ui::tr("人数を設定しない場合、0 ～ 3 人の範囲で同盟相手が決定されます")},
        {.control = "Label39", .hint = Ui::tr("同盟相手をチェックにより表示")},
        shown("VSEdit1", Ui::tr("CPU の人数を表示します"), Ui::tr("決定した CPU の人数")),
        shown("VSEdit2", Ui::tr("対戦相手 1人目"), Ui::tr("対戦相手 1人目")),
        shown("VSEdit3", Ui::tr("対戦相手 2人目"), Ui::tr("対戦相手 2人目")),
        shown("VSEdit4", Ui::tr("対戦相手 3人目"), Ui::tr("対戦相手 3人目")),
        shown("FCB1", Ui::tr("同盟相手表示用"), Ui::tr("対戦相手 1人目と同盟")),
        shown("FCB2", fewerAllies, Ui::tr("対戦相手 2人目と同盟")),
        shown("FCB3", fewerAllies, Ui::tr("対戦相手 3人目と同盟")),
        {.control = "ButtonVSSetUp", .hint = Ui::tr("設定された項目に基づいて対戦相手を抽出します")},
        {.control = "ButtonCPUSave", .hint = Ui::tr("現在の設定（数値やチェックなどの全て）を保存します")},
    };
}

} // namespace

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
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(left);
    layout->addWidget(makeArrow(this));
    layout->addLayout(right, 1);
    setDefaultButton(ok_);
    chainTabOrder(this);
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
