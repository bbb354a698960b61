#include "manual_page.h"

#include "controls.h"
#include "fonts.h"
#include "result_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

ManualPage::ManualPage(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , ctx_(context) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* header = new QHBoxLayout;
    header->addWidget(makeLabel(this, QStringLiteral("コメント")));
    header->addStretch();
    link_ = makeLabel(this, QStringLiteral("開発コンセプトはここをクリック！"),
                      QStringLiteral("Label_Development_concept"));
    link_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 255); text-decoration: underline;"));
    link_->setCursor(Qt::PointingHandCursor);
    header->addWidget(link_);
    comment_ = makeResultBox(this, QStringLiteral("ComentRE"));
    comment_->setFont(fixedFont(12));
    comment_->setInitialText(commentPlaceholder());
    auto* row = new QHBoxLayout;
    const QStringList names = {"Outline1", "Outline2", "Outline3",  "Outline4",
                               "Outline5", "Outline6", "TAVUManual"};
    const QStringList captions = {"ご注意",   "単体抽出",   "複数抽出", "対戦条件",
                                  "完全構成", "特殊ルール", "お知らせ"};
    for (int i = 0; i < 7; ++i) {
        buttons_ << makeButton(this, names[i], captions[i]);
        // The page number each button loads.
        buttons_.back()->setProperty("tag", i + 1);
        connect(buttons_.back(), &QPushButton::clicked, this, &ManualPage::TAVUManualClick);
        row->addWidget(buttons_.back());
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(header);
    layout->addWidget(comment_, 1);
    layout->addLayout(row);
}

void ManualPage::TAVUManualClick() {
    // The explanation pages are loaded by the manual code.
}

void ManualPage::Label_Development_conceptClick() {
    // The concept link is opened by the manual code.
}

} // namespace tavu
