#include "app_strings.h"
#include "bound_page.h"
#include "controls.h"
#include "developer_pages.h"
#include "dialogs.h"
#include "fonts.h"
#include "page_context.h"
#include "result_box.h"
#include "ui_text.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

constexpr int HoverShift = 2;
const QColor LinkBlue(0, 0, 255);
// Dark enough on the window colour to read as text (4.5:1) while lifted.
const QColor LinkOrange(176, 72, 0);

void setLinkColour(QLabel* link, const QColor& colour) {
    link->setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(colour.name()));
}

bool followsLink(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Space;
}

std::vector<Binding> bindingTable() {
    return {
        {.control = "TabSheet1", .clearsHint = true},
        {.control = "Label_Development_concept",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "開発コンセプト　：　開発者ホームページにジャンプします")},
        {.control = "ComentRE", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "コメントが表示されます")},
        {.control = "Outline1", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "使用上の注意、及び免責事項等")},
        {.control = "Outline2", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "単体抽出時の解説")},
        {.control = "Outline3", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "複数抽出時の解説")},
        {.control = "Outline4", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "対戦条件設定時の解説とヒント")},
        {.control = "Outline5", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "ブック完全構成の解説とヒント")},
        {.control = "Outline6",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "バトルギア 選出時の特殊ルールについて")},
        {.control = "TAVUManual",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "作者からのお知らせと、諸注意が表示されます")},
    };
}

} // namespace

// "TAVU の使用方法": explanation pages loaded into a comment box, and the concept link.
class ManualPage : public BoundPage {
public:
    explicit ManualPage(PageContext& context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLinkHolder();
    void Label_Development_conceptClick();
    void liftLink(bool lift);

    ResultBox* comment_ = nullptr;
    QLabel* link_ = nullptr;
    bool hover_ = false; // the link is lifted while the pointer is over it
};

ManualPage::ManualPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet1"), bindingTable()) {
    auto* header = new QHBoxLayout;
    QLabel* caption = makeLabel(this, Ui::tr("コメント"));
    header->addWidget(caption);
    header->addStretch();
    header->addWidget(buildLinkHolder());
    comment_ = makeResultBox(this, QStringLiteral("ComentRE"));
    caption->setBuddy(comment_);
    comment_->setBoxFont(fixedFont(12));
    comment_->setInitialText(commentPlaceholder());
    auto* row = new QHBoxLayout;
    const QStringList names = {"Outline1", "Outline2", "Outline3",  "Outline4",
                               "Outline5", "Outline6", "TAVUManual"};
    const QStringList captions = {Ui::tr("ご注意"),   Ui::tr("単体抽出"), Ui::tr("複数抽出"),
                                  Ui::tr("対戦条件"), Ui::tr("完全構成"), Ui::tr("特殊ルール"),
                                  Ui::tr("お知らせ")};
    for (int i = 0; i < 7; ++i) {
        QPushButton* button = makeButton(this, names[i], captions[i]);
        connect(button, &QPushButton::clicked, this,
                [this, page = i + 1] { ctx_.loadExplanationPage(page, *comment_); });
        row->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(header);
    layout->addWidget(comment_, 1);
    layout->addLayout(row);
}

QWidget* ManualPage::buildLinkHolder() {
    // The link moves by a few pixels on hover; inside a holder of its own it keeps that
    // place instead of being put back by the page's layout at the next resize.
    auto* holder = new QWidget(this);
    link_ = makeLabel(holder, Ui::tr("開発コンセプトはここをクリック！"),
                      QStringLiteral("Label_Development_concept"));
    setLinkColour(link_, LinkBlue);
    link_->setCursor(Qt::PointingHandCursor);
    link_->setMouseTracking(true);
    link_->installEventFilter(this);
    // Reached by Tab and followed with Enter or Space, as a link in a web page is.
    link_->setFocusPolicy(Qt::TabFocus);
    link_->adjustSize();
    link_->move(0, HoverShift);
    holder->setFixedSize(link_->width() + HoverShift, link_->height() + HoverShift);
    return holder;
}

bool ManualPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            liftLink(true);
        else if (event->type() == QEvent::Leave)
            liftLink(false);
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Label_Development_conceptClick();
        else if (event->type() == QEvent::KeyPress && followsLink(*static_cast<QKeyEvent*>(event))) {
            Label_Development_conceptClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ManualPage::Label_Development_conceptClick() {
    if (ctx_.dialogs().question(Ui::tr(text::ConceptQuestion), Ui::tr("TAVU シリーズコンセプト"),
                                Dialogs::Buttons::YesNo))
        ctx_.openWebPage(developerConceptPage());
}

void ManualPage::liftLink(bool lift) {
    if (hover_ == lift)
        return;
    hover_ = lift;
    setLinkColour(link_, lift ? LinkOrange : LinkBlue);
    const int shift = lift ? HoverShift : -HoverShift;
    link_->move(link_->pos() + QPoint(shift, -shift));
}

BoundPage* newManualPage(PageContext& context) {
    return new ManualPage(context);
}

} // namespace tavu
