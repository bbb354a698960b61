#include "book_page.h"

#include "app_strings.h"
#include "controls.h"
#include "dialogs.h"
#include "draw/complete_book.h"
#include "draw/draw_result.h"
#include "draw_steps.h"
#include "fonts.h"
#include "page_context.h"
#include "result_box.h"
#include "spin_edit.h"
#include "store/settings_entries.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

using book::BookSize;

// What the two labels say while the counts are short of a whole book.
constexpr const char* NotReadyA = QT_TRANSLATE_NOOP("tavu::Ui", "それぞれの合計枚数が50以内になるように");
constexpr const char* NotReadyB = QT_TRANSLATE_NOOP("tavu::Ui", "枚数を設定して下さい");

Binding count(int n, const QString& hint) {
    return {QStringLiteral("AbsoluteSE%1").arg(n), entry::BookCountFirst + n - 1, Holds::Value, Step::Book,
            hint};
}

Binding option(int n, Step step, const QString& hint, const char* moveText = "") {
    return {QStringLiteral("AbsoluteCB%1").arg(n),
            entry::BookCheckFirst + n - 1,
            Holds::TickAsOne,
            step,
            hint,
            moveText};
}

// The counts and options restore in entry order, the first option once the tables are in; the
// button "設定を保存" stores them all.
std::vector<Binding> bindingTable() {
    const QString creatures =
        Ui::tr("クリーチャーは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）");
    const QString items =
        Ui::tr("アイテムは 0～49 枚の間で設定出来ます　（数値が 49 を超えないように注意して下さい）");
    const QString spells =
        Ui::tr("スペルは 0～50 枚の間で設定出来ます　（数値が 50 を超えないように注意して下さい）");
    const QString total = Ui::tr("カード総計が 50 枚を超えないように注意して下さい");
    return {
        {.control = "TabSheet12", .clearsHint = true},
        {.control = "GroupBox15", .clearsHint = true},
        {.control = "GroupBox16", .clearsHint = true},
        count(1, creatures),
        count(2, items),
        count(3, spells),
        option(1, Step::AfterTables, Ui::tr("Ｅカードを使用したくない場合はここにチェックを入れて下さい")),
        option(2, Step::Book, {}, text::OutputMoveText),
        option(3, Step::Book, {}, text::ClearAfterMoveText),
        option(4, Step::Book,
               Ui::tr("ブック 50 枚を完全にランダムで作成したい場合には、ここにチェックを入れて下さい")),
        {.control = "AbsoluteLabel1", .hint = creatures},
        {.control = "AbsoluteLabel2", .hint = items},
        {.control = "AbsoluteLabel3", .hint = spells},
        {.control = "Label17", .hint = creatures},
        {.control = "Label24", .hint = items},
        {.control = "Label26", .hint = spells},
        {.control = "LabelA", .hint = total, .moveText = total},
        {.control = "LabelB", .moveText = total},
        {.control = "Label27", .moveText = total},
        {.control = "AbsoluteRE",
         .hint = Ui::tr(
             "抽出されたカードは、“クリーチャー（属性 > 名前）　>　アイテム　>　スペル” の順に表示されます"),
         .name = Ui::tr("抽出結果")},
        {.control = "ButtonAbsoluteClear", .hint = Ui::tr("表示されてある項目を完全にクリアします")},
        {.control = "BRandomAbsolute", .hint = Ui::tr("ブック総数 50 枚を、完全にランダムで抽出します")},
        {.control = "AbsoluteBCaution", .hint = Ui::tr("完全ランダムを選択する際に、一読下さい")},
        {.control = "ButtonAbsoluteSave", .hint = Ui::tr("現在の設定を保存することが出来ます")},
    };
}

} // namespace

BookPage::BookPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet12"), bindingTable()) {
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    left->addWidget(buildCounts());
    left->addWidget(buildOptions());
    left->addStretch();
    left->addWidget(buildButtons());
    result_ = makeResultBox(this, QStringLiteral("AbsoluteRE"));
    result_->setBoxFont(fixedFont(12));
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
    result_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(10);
    layout->addLayout(left);
    layout->addWidget(result_, 1);
    setDefaultButton(ok_);
}

QWidget* BookPage::buildCounts() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox15"), Ui::tr(" ブック構成 "));
    box->setFixedWidth(300);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    const QStringList captions = {Ui::tr("クリーチャー合計"), Ui::tr("アイテム合計"), Ui::tr("スペル合計")};
    const QStringList unitNames = {"Label17", "Label24", "Label26"};
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        QLabel* caption = makeLabel(box, captions[i], QStringLiteral("AbsoluteLabel") + n);
        grid->addWidget(caption, i, 0);
        const book::SpinRange range = book::CountRanges[static_cast<std::size_t>(i)];
        SpinEdit* spin = makeSpinEdit(box, QStringLiteral("AbsoluteSE") + n, range.lowest, range.highest, 1,
                                      book::InitialCounts[static_cast<std::size_t>(i)]);
        caption->setBuddy(spin);
        spin->setFixedWidth(56);
        connect(spin, &SpinEdit::valueChanged, this, [this, spin] { AbsoluteSEChange(spin); });
        counts_ << spin;
        grid->addWidget(spin, i, 1);
        grid->addWidget(makeLabel(box, Ui::tr("枚"), unitNames[i]), i, 2);
    }
    labelA_ = makeLabel(box, Ui::tr(NotReadyA), QStringLiteral("LabelA"));
    labelB_ = makeLabel(box, Ui::tr(NotReadyB), QStringLiteral("LabelB"));
    auto* note = makeLabel(box,
                           Ui::tr("尚、E カードが１枚以上含まれてしまった場合お手数ですが、"
                                  "それぞれについて単体抽出を行って下さい"),
                           QStringLiteral("Label27"));
    note->setWordWrap(true);
    total_ = makeLabel(box, {}, QStringLiteral("AbsoluteTotal"));
    total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(total_, 2, 3);
    showTotal();
    grid->addWidget(labelA_, 3, 0, 1, 4);
    grid->addWidget(labelB_, 4, 0, 1, 4);
    grid->addWidget(note, 5, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return box;
}

QWidget* BookPage::buildOptions() {
    auto* box = makeGroupBox(this, QStringLiteral("GroupBox16"), Ui::tr("抽出オプション"));
    box->setFixedWidth(300);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(8, 6, 8, 6);
    column->setSpacing(5);
    const QStringList captions = {Ui::tr("E カードを含まない"), Ui::tr("ファイルに出力"),
                                  Ui::tr("ファイルに出力後、リストをクリアする"),
                                  Ui::tr("完全ランダム     <<")};
    for (int n = 1; n <= 4; ++n)
        options_ << makeCheckBox(box, QStringLiteral("AbsoluteCB%1").arg(n), captions[n - 1], n == 1);
    options_[2]->setEnabled(false);
    auto* caution = makeButton(box, QStringLiteral("AbsoluteBCaution"), QStringLiteral("CAUTION !"));
    auto* randomRow = new QHBoxLayout;
    randomRow->addWidget(options_[3]);
    randomRow->addWidget(caution);
    randomRow->addStretch();
    for (int i = 0; i < 3; ++i)
        column->addWidget(options_[i]);
    column->addLayout(randomRow);
    connect(options_[0], &QCheckBox::toggled, this, &BookPage::AbsoluteCB1Click);
    connect(options_[1], &QCheckBox::toggled, this, &BookPage::AbsoluteCB2Click);
    connect(options_[3], &QCheckBox::toggled, this, &BookPage::AbsoluteCB4Click);
    connect(caution, &QPushButton::clicked, this, &BookPage::AbsoluteBCautionClick);
    return box;
}

QWidget* BookPage::buildButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    save_ = makeButton(row, QStringLiteral("ButtonAbsoluteSave"), Ui::tr("設定を保存"));
    ok_ = makeButton(row, QStringLiteral("BRandomAbsolute"), QStringLiteral("OK"));
    auto* clear = makeButton(row, QStringLiteral("ButtonAbsoluteClear"), Ui::tr("クリア"));
    layout->addWidget(save_);
    layout->addStretch();
    layout->addWidget(ok_);
    layout->addWidget(clear);
    connect(save_, &QPushButton::clicked, this, &BookPage::ButtonAbsoluteSaveClick);
    connect(ok_, &QPushButton::clicked, this, &BookPage::BRandomAbsoluteClick);
    connect(clear, &QPushButton::clicked, this, &BookPage::ButtonAbsoluteClearClick);
    return row;
}

int BookPage::total() const {
    return counts_[0]->value() + counts_[1]->value() + counts_[2]->value();
}

void BookPage::AbsoluteSEChange(SpinEdit* changed) {
    // Lowering the value raises this handler again, so it settles at 50 minus the others.
    if (total() > BookSize)
        changed->setValue(changed->value() - 1);
    const bool ready = options_[3]->isChecked() || total() >= BookSize;
    ctx_.explainOk(*ok_, ready, notReadyReason());
    save_->setEnabled(ready);
    showTotal();
    if (options_[3]->isChecked())
        return;
    labelA_->setText(ready ? Ui::tr("抽出準備が整いました") : Ui::tr(NotReadyA));
    labelB_->setText(ready ? Ui::tr("下のＯＫボタンを押して下さい") : Ui::tr(NotReadyB));
}

void BookPage::AbsoluteCB1Click() {
    ctx_.countBookCards(options_[0]->isChecked());
}

void BookPage::AbsoluteCB2Click() {
    options_[2]->setEnabled(options_[1]->isChecked());
}

void BookPage::AbsoluteCB4Click() {
    ctx_.explainOk(*ok_, options_[3]->isChecked() || total() >= BookSize, notReadyReason());
}

void BookPage::showTotal() {
    total_->setText(Ui::tr("合計 %1 / %2 枚").arg(total()).arg(BookSize));
}

QString BookPage::notReadyReason() const {
    return Ui::tr("クリーチャー・アイテム・スペルの合計を %1 枚にして下さい（現在 %2 枚）")
        .arg(BookSize)
        .arg(total());
}

void BookPage::BRandomAbsoluteClick() {
    ButtonAbsoluteClearClick();
    const bool excludeE = options_[0]->isChecked();
    ctx_.countBookSpells(excludeE);
    const book::BookRequest request{
        {counts_[0]->value(), counts_[1]->value(), counts_[2]->value()}, excludeE, options_[3]->isChecked()};
    const DrawUnderWay drawing = ctx_.drawStarts(code::bookPlan(request));
    const auto result = book::drawCompleteBook(ctx_.tables(), request, processRandom());
    if (!result.message.empty()) {
        ctx_.dialogs().warn(QString::fromUtf8(result.message), QString::fromUtf8(DrawWarningCaption));
        return;
    }
    showLines(result_, result.lines);
    auto body = book::bookFileBody(result.lines);
    ctx_.drawShown(body);
    if (!options_[1]->isChecked())
        return;
    runShowingErrors(ctx_, [this, &body] {
        ctx_.writeResultFile(std::move(body), options_[2], [this] { result_->clear(); });
    });
}

// The book's lines stay one to a row, scrolled sideways if need be; the caution is prose
// and wraps to the box.
void BookPage::ButtonAbsoluteClearClick() {
    result_->clear();
    result_->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void BookPage::AbsoluteBCautionClick() {
    result_->clear();
    result_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    result_->appendPlainText(
        Ui::tr("この機能は、クリーチャー、アイテム、スペル共に完全ランダム抽出を行う機能であり、"
               "対戦相手との力の差が歴然である場合や、自分の力を試したい方にお勧めの機能です。\n\n"
               "自分の予期せぬカードが混入する面白さが在る反面、クリーチャーが一枚も無い状態になってしまう"
               "ケースや、アイテム、スペルがとんでもない物ばかりになってしまうケースが多々考えられます。\n\n"
               "この機能を使用する場合には、ちょっとした覚悟を持った上でご使用下さい。\n\n\n"
               "―― ヒント ――\n"
               "Ｅカードの有無は、完全ランダム選択時でも設定することが出来ます。"));
}

void BookPage::ButtonAbsoluteSaveClick() {
    storeAllIfConfirmed(Ui::tr(text::SaveQuestion), QStringLiteral("TAVU"));
}

} // namespace tavu
