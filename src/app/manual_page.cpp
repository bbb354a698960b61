#include "app_strings.h"
#include "bound_page.h"
#include "controls.h"
#include "developer_pages.h"
#include "dialogs.h"
#include "fonts.h"
#include "page_context.h"
#include "platform_url_opener.h"
#include "result_box.h"
#include "ui_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

constexpr int HoverShift = 2;
const QColor LinkBlue(0, 0, 255);
const QColor LinkOrange(255, 128, 0);

void setLinkColour(QLabel* link, const QColor& colour) {
    link->setStyleSheet(QStringLiteral("color: %1; text-decoration: underline;").arg(colour.name()));
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
    Q_OBJECT
public:
    explicit ManualPage(PageContext& context);

public slots:
    void TAVUManualClick();
    void Label_Development_conceptClick();
    void Label_Development_conceptMouseMove();
    void Label_Development_conceptMouseLeave();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildLinkHolder();

    ResultBox* comment_ = nullptr;
    QLabel* link_ = nullptr;
    bool hover_ = false; // the link is lifted while the pointer is over it
};

ManualPage::ManualPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet1"), bindingTable()) {
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(this, Ui::tr("コメント")));
    header->addStretch();
    header->addWidget(buildLinkHolder());
    comment_ = makeResultBox(this, QStringLiteral("ComentRE"));
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
        // The page number each button loads.
        button->setProperty("tag", i + 1);
        connect(button, &QPushButton::clicked, this, &ManualPage::TAVUManualClick);
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
    link_->adjustSize();
    link_->move(0, HoverShift);
    holder->setFixedSize(link_->width() + HoverShift, link_->height() + HoverShift);
    return holder;
}

bool ManualPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == link_) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            Label_Development_conceptMouseMove();
        else if (event->type() == QEvent::Leave)
            Label_Development_conceptMouseLeave();
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            Label_Development_conceptClick();
    }
    return QWidget::eventFilter(watched, event);
}

void ManualPage::TAVUManualClick() {
    auto* button = qobject_cast<QPushButton*>(sender());
    if (!button)
        return;
    ctx_.loadExplanationPage(button->property("tag").toInt(), *comment_);
}

void ManualPage::Label_Development_conceptClick() {
    if (ctx_.dialogs().question(Ui::tr(text::ConceptQuestion), Ui::tr(text::ConceptCaption),
                                Dialogs::Buttons::YesNo))
        ctx_.openWebPage(developerConceptPage());
}

void ManualPage::Label_Development_conceptMouseMove() {
    if (!hover_) {
        setLinkColour(link_, LinkOrange);
        link_->move(link_->pos() + QPoint(HoverShift, -HoverShift));
    }
    hover_ = true;
}

void ManualPage::Label_Development_conceptMouseLeave() {
    if (hover_) {
        setLinkColour(link_, LinkBlue);
        link_->move(link_->pos() + QPoint(-HoverShift, HoverShift));
    }
    hover_ = false;
}

BoundPage* newManualPage(PageContext& context) {
    return new ManualPage(context);
}

} // namespace tavu

#include "manual_page.moc"
