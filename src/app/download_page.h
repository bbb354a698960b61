#pragma once

#include "background_task.h"
#include "bound_page.h"
#include "update/update_check.h"
#include "update_options.h"

#include <memory>

class QPushButton;

namespace tavu {

class ResultBox;
class TFormDL;

// "ダウンロード": refreshes the data files from the developer's site. The version check and
// the download run off the GUI thread; ButtonDL stays disabled until both have ended.
class DownloadPage : public BoundPage {
    Q_OBJECT
public:
    explicit DownloadPage(PageContext& context);
    ~DownloadPage() override;

    ResultBox* memo() const { return memo_; }
    QPushButton* downloadButton() const { return download_; }
    void setUpdateOptions(UpdateOptions options) { options_ = std::move(options); }
    const UpdateOptions& updateOptions() const { return options_; }
    // The open progress window, if a download is under way.
    TFormDL* progressForm() const { return form_.get(); }

private:
    void ButtonDLClick();
    // The options with the site the user set, if any.
    UpdateOptions currentOptions() const;
    void checkEnded(const CheckResult& result);
    void startDownload(std::int32_t announcedVersion);
    void downloadEnded();

    ResultBox* memo_ = nullptr;
    QPushButton* download_ = nullptr;
    UpdateOptions options_;
    std::unique_ptr<TFormDL> form_;
    std::unique_ptr<BackgroundTask> check_;
};

} // namespace tavu
