#include "download_page.h"

#include "controls.h"
#include "dialogs.h"
#include "download_form.h"
#include "page_context.h"
#include "result_box.h"
#include "store/settings_entries.h"
#include "ui_text.h"
#include "update/update_texts.h"
#include "update_site.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

constexpr int ExplanationPage = 8;

QString joinLines(const std::vector<std::string>& lines) {
    QStringList joined;
    for (const std::string& line : lines)
        joined << coreText(line);
    return joined.join(QStringLiteral("\r\n"));
}

// Pointer movement over the page's bare area leaves the hint panel alone, as it always has.
std::vector<Binding> bindingTable() {
    return {
        {.control = "ButtonDL",
         .hint = QT_TRANSLATE_NOOP("tavu::Ui", "TAVU for DS のシステム更新ファイルをダウンロードします")},
        {.control = "ButtonExposition", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "ダウンロード機能の解説")},
        {.control = "Memo_DL", .hint = QT_TRANSLATE_NOOP("tavu::Ui", "コメントが表示されます")},
    };
}

} // namespace

DownloadPage::DownloadPage(PageContext& context)
    : BoundPage(context, QStringLiteral("TabSheet5"), bindingTable()) {
    memo_ = makeResultBox(this, QStringLiteral("Memo_DL"));
    memo_->setInitialText(commentPlaceholder());
    QPushButton* exposition = makeButton(this, QStringLiteral("ButtonExposition"), Ui::tr("解説"));
    download_ = makeButton(this, QStringLiteral("ButtonDL"), Ui::tr("ダウンロード"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exposition);
    buttons->addWidget(download_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    QLabel* caption = makeLabel(this, Ui::tr("コメント"));
    caption->setBuddy(memo_);
    layout->addWidget(caption);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
    connect(download_, &QPushButton::clicked, this, &DownloadPage::ButtonDLClick);
    connect(exposition, &QPushButton::clicked, this,
            [this] { ctx_.loadExplanationPage(ExplanationPage, *memo_); });
}

// A check or download still running when the window goes is cancelled and waited for.
DownloadPage::~DownloadPage() = default;

void DownloadPage::ButtonDLClick() {
    if (check_ || form_)
        return;
    const UpdateOptions options = currentOptions();
    // Without a site there is nothing to connect to: say so rather than blame the connection.
    if (isUnsetUpdateSite(options.baseUrl)) {
        memo_->setPlainText(noUpdateSiteText());
        return;
    }
    download_->setEnabled(false);
    check_ = std::make_unique<BackgroundTask>();
    auto result = std::make_shared<CheckResult>();
    const UpdateConfig config = options.config(ctx_.systemDir());
    auto fetcher = std::make_shared<ModuleFetcher>(options_.limits);
    const std::int32_t installed = ctx_.settings()[entry::DataVersion];
    check_->start(
        this,
        [result, config, fetcher, installed](const std::atomic<bool>& cancel) {
            *result = checkForUpdate(config, *fetcher, installed, cancel);
        },
        [this, result] {
            check_.reset();
            checkEnded(*result);
        });
}

void DownloadPage::checkEnded(const CheckResult& result) {
    if (result.outcome == CheckResult::Newer) {
        const QString question = coreText(update_text::NewerQuestion1) + QStringLiteral("\r\n") +
                                 coreText(update_text::NewerQuestion2);
        if (ctx_.dialogs().question(question, coreText(update_text::QuestionCaption),
                                    Dialogs::Buttons::YesNo))
            return startDownload(result.siteVersion);
        ctx_.dialogs().inform(coreText(update_text::Declined));
    } else {
        ctx_.dialogs().inform(joinLines(result.messageLines()));
    }
    download_->setEnabled(true);
}

void DownloadPage::startDownload(std::int32_t announcedVersion) {
    memo_->setInitialText({});
    memo_->clear();
    form_ = std::make_unique<TFormDL>(currentOptions(), ctx_.systemDir(), announcedVersion);
    connect(form_.get(), &TFormDL::memoLineAdded, memo_, &ResultBox::appendPlainText);
    QWidget* mainWindow = window();
    connect(form_.get(), &TFormDL::closed, mainWindow, [mainWindow] { mainWindow->setEnabled(true); });
    connect(form_.get(), &TFormDL::finished, this, &DownloadPage::downloadEnded);
    mainWindow->setEnabled(false);
    form_->start(mainWindow);
}

void DownloadPage::downloadEnded() {
    const DownloadResult& result = form_->result();
    // The tables in memory stay as loaded; Memo_DL asks for the restart that brings them in.
    if (result.outcome == DownloadResult::Succeeded)
        ctx_.replaceSettings(result.settings);
    form_.release()->deleteLater();
    download_->setEnabled(true);
}

UpdateOptions DownloadPage::currentOptions() const {
    UpdateOptions options = options_;
    options.baseUrl = chosenUpdateSite(ctx_.preferences(), options_.baseUrl);
    return options;
}

} // namespace tavu
