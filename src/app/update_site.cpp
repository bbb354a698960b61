#include "update_site.h"

#include "preferences.h"
#include "ui_text.h"

#include <QUrl>

namespace tavu {

std::string chosenUpdateSite(const Preferences* preferences, const std::string& fallback) {
    const QString set = preferences ? preferences->updateSite().trimmed() : QString();
    return set.isEmpty() ? fallback : set.toStdString();
}

bool isUnsetUpdateSite(const std::string& url) {
    const QUrl parsed(QString::fromStdString(url).trimmed());
    const QString host = parsed.host().toLower();
    return host.isEmpty() || host == QLatin1String("invalid") || host.endsWith(QLatin1String(".invalid"));
}

QString noUpdateSiteText() {
    return Ui::tr("更新サイトが設定されていません\n"
                  "\n"
                  "データの更新を配布しているサイトのアドレスを、オプションメニューの"
                  "「更新サイトの設定」で設定して下さい。\n"
                  "コマンドラインでは tavu-cli update --url アドレス --save-url でも設定できます。");
}

} // namespace tavu
