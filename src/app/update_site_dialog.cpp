#include "update_site_dialog.h"

#include "module_fetcher.h"
#include "preferences.h"
#include "ui_text.h"
#include "update/update_check.h"
#include "update_site.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavu {

namespace {

QString testOutcomeText(const CheckResult& result) {
    switch (result.outcome) {
    case CheckResult::Newer:
    case CheckResult::UpToDate:
        return Ui::tr("接続できました (サイトのデータのバージョン: %1)").arg(result.siteVersion);
    case CheckResult::VersionUnreadable:
        return Ui::tr("接続できましたが、更新サイトのバージョンファイルを読めませんでした");
    case CheckResult::Cancelled:
        return Ui::tr("中止しました");
    case CheckResult::FetchFailed:
        break;
    }
    return Ui::tr("接続できませんでした: %1").arg(coreText(result.reason));
}

} // namespace

UpdateSiteDialog::UpdateSiteDialog(Preferences& preferences, FetchLimits limits, QWidget* parent)
    : QDialog(parent)
    , preferences_(preferences)
    , limits_(limits)
    , address_(new QLineEdit(preferences.updateSite(), this))
    , test_(new QPushButton(Ui::tr("接続テスト"), this))
    , result_(new QLabel(this)) {
    setObjectName(QStringLiteral("UpdateSiteDialog"));
    setWindowTitle(Ui::tr("更新サイトの設定"));
    address_->setObjectName(QStringLiteral("UpdateSiteEdit"));
    address_->setPlaceholderText(QStringLiteral("http://example.jp/tavuds/system_file/"));
    address_->setMinimumWidth(360);
    test_->setObjectName(QStringLiteral("UpdateSiteTest"));
    result_->setObjectName(QStringLiteral("UpdateSiteTestResult"));
    result_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateSiteDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UpdateSiteDialog::reject);
    connect(test_, &QPushButton::clicked, this, &UpdateSiteDialog::startTest);
    auto* form = new QFormLayout;
    form->addRow(Ui::tr("アドレス(&A):"), address_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(Ui::tr("空欄にすると、このプログラムの既定のサイトを使います。"), this));
    layout->addWidget(test_, 0, Qt::AlignLeft);
    layout->addWidget(result_);
    layout->addWidget(buttons);
}

// A test still running is cancelled and waited for (BackgroundTask).
UpdateSiteDialog::~UpdateSiteDialog() = default;

void UpdateSiteDialog::accept() {
    preferences_.setUpdateSite(address_->text().trimmed());
    QDialog::accept();
}

void UpdateSiteDialog::startTest() {
    if (testing())
        return;
    const std::string url = address_->text().trimmed().toStdString();
    if (isUnsetUpdateSite(url)) {
        result_->setText(Ui::tr("アドレスを http:// か https:// で始まる形で入力して下さい"));
        return;
    }
    test_->setEnabled(false);
    result_->setText(Ui::tr("接続しています…"));
    UpdateConfig config;
    config.baseUrl = url;
    config.pause = [](std::chrono::milliseconds, const std::atomic<bool>&) {
    };
    auto fetcher = std::make_shared<ModuleFetcher>(limits_);
    auto outcome = std::make_shared<CheckResult>();
    task_ = std::make_unique<BackgroundTask>();
    task_->start(
        this,
        [config, fetcher, outcome](const std::atomic<bool>& cancel) {
            *outcome = checkForUpdate(config, *fetcher, 0, cancel);
        },
        [this, outcome] {
            result_->setText(testOutcomeText(*outcome));
            test_->setEnabled(true);
        });
}

} // namespace tavu
