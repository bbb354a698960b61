#pragma once

#include "background_task.h"
#include "module_fetcher.h"
#include "update/download_sequence.h"
#include "update_options.h"

#include <QWidget>
#include <memory>

class QProgressBar;
class QTimer;

namespace tavu {

// "ダウンロードしています": the progress window of a data download. The sequence runs on a
// worker thread started by the first tick of Timer1; its progress and Memo_DL lines come
// back queued. Closing the window cancels what is left; finished() follows once the worker
// has stopped, and the window may only be destroyed after that (destroying it earlier waits).
class TFormDL : public QWidget, private UpdateObserver {
    Q_OBJECT
public:
    // `announcedVersion` is the version the check found on the site; a set that says otherwise
    // is refused.
    TFormDL(const UpdateOptions& options, const std::filesystem::path& systemDir,
            std::int32_t announcedVersion);
    ~TFormDL() override;

    QProgressBar* progressBar() const { return DL_pb; }
    const DownloadResult& result() const { return sequence_->result(); }

    // Starts Timer1 and shows the window centred on `over`.
    void start(const QWidget* over);

signals:
    void memoLineAdded(const QString& line);
    // The window has closed (FormClose): the main window may take input again.
    void closed();
    void finished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Called on the worker; what they touch on the window goes through the event queue.
    void progressChanged(int position) override;
    void memoLine(const std::string& line) override;
    void Timer1Timer();
    void sequenceEnded();

    QProgressBar* DL_pb = nullptr;
    QTimer* Timer1 = nullptr;
    ModuleFetcher fetcher_;
    std::unique_ptr<DownloadSequence> sequence_;
    bool closedOnce_ = false;
    BackgroundTask task_; // last: joined before the sequence it runs is destroyed
};

} // namespace tavu
