#include "page_context.h"

#include "code/data_fingerprint.h"
#include "code/result_check.h"
#include "dialogs.h"
#include "draw_history.h"
#include "output/result_file.h"
#include "platform_url_opener.h"
#include "preferences.h"
#include "result_box.h"
#include "store/data_error.h"
#include "store/file_io.h"
#include "store/random_source.h"
#include "store/sjis_text.h"
#include "store/system_files.h"
#include "ui_text.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWidget>
#include <exception>

namespace tavu {

namespace {

// The pages are written on Windows: CR LF, sometimes a last line without an end.
QString pageText(const std::string& sjisBytes) {
    QString text = QString::fromUtf8(sjis::toUtf8(sjisBytes));
    text.remove(QLatin1Char('\r'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

} // namespace

PageContext::PageContext(std::filesystem::path systemDir, Dialogs& dialogs, UrlOpener& urls)
    : systemDir_(std::move(systemDir))
    , dialogs_(dialogs)
    , urls_(urls) {}

bool PageContext::storeEntries(const EntryValues& values, SettingsSaves::Asked asked) {
    for (const auto& [index, value] : values)
        settings_[static_cast<std::size_t>(index)] = value;
    return saves_.save(systemDir_ / SettingsFileName, settings_, asked, dialogs_);
}

void PageContext::replaceSettings(const SettingsArray& settings) {
    settings_ = settings;
    saves_.loaded(settings); // later saves write over the new file
}

void PageContext::showDrawWarning() {
    dialogs_.warn(drawWarningText_, drawWarningCaption_);
}

void PageContext::writeResultFile(std::vector<std::string> lines, const QCheckBox* clearAfter,
                                  const std::function<void()>& clearResult) {
    AppendCommentFooter(lines, systemDir_);
    if (codeLineWritten_ && !drawCode_.isEmpty())
        lines.push_back(code::codeLine(drawCode_.toStdString()));
    const QString name = dialogs_.saveFileName({Ui::tr("TAVU ファイルの保存"),
                                                Ui::tr("テキストファイル(*.txt);;全てのファイル(*.*)"),
                                                QStringLiteral("txt"), lastSaveName_, saveFolder()});
    if (!name.isEmpty()) {
        lastSaveName_ = name;
        try {
            writeFileAtomically(std::filesystem::path(name.toStdU16String()), resultFileBytes(lines));
        } catch (const DataError& e) {
            dialogs_.error(coreText(e.what()));
            return;
        }
        const QFileInfo saved(name);
        if (pending_)
            pending_->resultFile = saved.absoluteFilePath().toStdString();
        if (preferences_)
            preferences_->setLastSaveFolder(saved.absolutePath());
        tellStatus(Ui::tr("保存しました: %1").arg(QDir::toNativeSeparators(saved.absoluteFilePath())));
    }
    if (clearAfter->isEnabled() && clearAfter->isChecked())
        clearResult();
}

QString PageContext::saveFolder() const {
    if (!lastSaveName_.isEmpty())
        return QFileInfo(lastSaveName_).absolutePath();
    const QString remembered = preferences_ ? preferences_->lastSaveFolder() : QString();
    // A folder removed since (or on a drive not attached now) is not offered.
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void PageContext::openWebPage(const QString& url) {
    if (!urls_.openUrl(url))
        dialogs_.error(Ui::tr("ブラウザを起動できなかったため、次のページを開けませんでした:\r\n") + url);
}

void PageContext::explainOk(QWidget& ok, bool enabled, const QString& reason) const {
    // Told once when the reason arises or changes, not again at every click that keeps it.
    const bool news = ok.isEnabled() || ok.toolTip() != reason;
    ok.setEnabled(enabled);
    ok.setToolTip(enabled ? QString() : reason);
    if (!enabled && news && ok.isVisible())
        tellStatus(reason);
}

void PageContext::tellStatus(const QString& message) const {
    if (tellStatus_)
        tellStatus_(message);
}

DrawUnderWay PageContext::drawStarts(const code::DrawPlan& plan) {
    drawCode_.clear();
    pending_.reset();
    drawTime_ = QDateTime::currentDateTimeUtc();
    try {
        const code::DrawCode code{plan, processRandom().seed(), code::fingerprintData(systemDir_, settings_)};
        drawCode_ = QString::fromStdString(code::formatCode(code));
        pending_ = PendingDraw{code, {}, {}, false};
    } catch (const DataError&) {
        // A table that cannot be read again leaves the draw without a code, not without a result.
    }
    if (codeShown_)
        codeShown_(drawCode_);
    return DrawUnderWay(*this);
}

void PageContext::drawShown(std::vector<std::string> lines) {
    if (!pending_)
        return;
    pending_->lines = std::move(lines);
    pending_->shown = true;
}

void PageContext::drawEnds() {
    std::optional<PendingDraw> draw = std::exchange(pending_, std::nullopt);
    if (draw && draw->shown && history_ != nullptr)
        history_->record(draw->code, draw->lines, draw->resultFile,
                         drawTime_.toString(Qt::ISODate).toStdString()); // UTC, as the history keeps it
}

DrawUnderWay::~DrawUnderWay() {
    ctx_->drawEnds();
}

void PageContext::loadExplanationPage(int page, ResultBox& box) {
    // A box that has not been shown yet would otherwise put its placeholder back on first show.
    box.setInitialText({});
    box.clear();
    try {
        box.setPlainText(pageText(readSystemFile(systemDir_, explanationFileName(page))));
    } catch (const std::exception& e) {
        dialogs_.error(coreText(e.what()));
    }
}

} // namespace tavu
