#include "background_task.h"

#include <QMetaObject>
#include <QObject>

namespace tavu {

BackgroundTask::~BackgroundTask() {
    cancel();
    join();
}

bool BackgroundTask::start(QObject* context, Work work, std::function<void()> done) {
    if (started())
        return false;
    thread_ = std::thread([this, context, work = std::move(work), done = std::move(done)] {
        work(cancel_);
        // Queued to the context's thread; Qt drops the call if the context is gone by then.
        QMetaObject::invokeMethod(
            context,
            [this, done] {
                join();
                finished_ = true;
                done();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void BackgroundTask::join() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace tavu
