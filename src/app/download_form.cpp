#include "download_form.h"

#include "ui_text.h"
#include "update/update_texts.h"

#include <QCloseEvent>
#include <QMetaObject>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tavu {

TFormDL::TFormDL(const UpdateOptions& options, const std::filesystem::path& systemDir,
                 std::int32_t announcedVersion)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint)
    , fetcher_(options.limits)
    , sequence_(std::make_unique<DownloadSequence>(options.config(systemDir), announcedVersion, fetcher_,
                                                   static_cast<UpdateObserver&>(*this))) {
    setObjectName(QStringLiteral("TFormDL"));
    setWindowTitle(coreText(update_text::ProgressCaption));
    resize(385, 74);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(104, 104, 108));
    setPalette(colours);
    setAutoFillBackground(true);
    DL_pb = new QProgressBar(this);
    DL_pb->setObjectName(QStringLiteral("DL_pb"));
    DL_pb->setRange(0, DownloadProgressMax);
    DL_pb->setValue(0);
    DL_pb->setTextVisible(false);
    // The bar shows no text; a screen reader says what it measures.
    DL_pb->setAccessibleName(Ui::tr("ダウンロードの進み具合"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DL_pb);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(options.startDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TFormDL::Timer1Timer);
}

// The worker is joined by task_'s destructor; stop the sequence first so that the wait is
// short even in the middle of a pause or a fetch (the program quitting mid-download).
TFormDL::~TFormDL() {
    sequence_->cancel();
}

void TFormDL::start(const QWidget* over) {
    if (over)
        move(over->frameGeometry().center() - rect().center());
    Timer1->start();
    show();
}

void TFormDL::progressChanged(int position) {
    QMetaObject::invokeMethod(
        DL_pb, [bar = DL_pb, position] { bar->setValue(position); }, Qt::QueuedConnection);
}

void TFormDL::memoLine(const std::string& line) {
    QMetaObject::invokeMethod(
        this, [this, text = coreText(line)] { emit memoLineAdded(text); }, Qt::QueuedConnection);
}

void TFormDL::Timer1Timer() {
    Timer1->stop();
    DownloadSequence* sequence = sequence_.get();
    task_.start(
        this, [sequence](const std::atomic<bool>&) { sequence->run(); }, [this] { sequenceEnded(); });
}

void TFormDL::sequenceEnded() {
    if (isVisible())
        close();
    emit finished();
}

void TFormDL::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closedOnce_)
        return;
    closedOnce_ = true;
    sequence_->cancel();
    // Closed before the first tick: the worker starts now, and the cancelled sequence ends at
    // once without fetching.
    Timer1Timer();
    emit closed();
}

} // namespace tavu
