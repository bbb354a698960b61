#include "download_page.h"

#include "controls.h"
#include "result_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

DownloadPage::DownloadPage(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , ctx_(context) {
    setObjectName(QStringLiteral("TabSheet5"));
    memo_ = makeResultBox(this, QStringLiteral("Memo_DL"));
    memo_->setInitialText(commentPlaceholder());
    exposition_ = makeButton(this, QStringLiteral("ButtonExposition"), QStringLiteral("解説"));
    download_ = makeButton(this, QStringLiteral("ButtonDL"), QStringLiteral("ダウンロード"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exposition_);
    buttons->addWidget(download_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(makeLabel(this, QStringLiteral("コメント")));
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    connect(download_, &QPushButton::clicked, this, &DownloadPage::ButtonDLClick);
    connect(exposition_, &QPushButton::clicked, this, &DownloadPage::ButtonExpositionClick);
}

void DownloadPage::ButtonDLClick() {
    // The download is wired in with the update code.
}

void DownloadPage::ButtonExpositionClick() {
    // The download explanation is loaded by the manual code.
}

} // namespace tavu
