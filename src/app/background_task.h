#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

namespace tavu {

// One piece of blocking work (fetches, pauses) on a thread of its own, so that the window
// keeps painting. `done` runs afterwards on the thread of `context`, and only while `context`
// lives; destroying the task cancels the work and waits for it, so the work never outlives
// the objects it uses.
class BackgroundTask {
public:
    using Work = std::function<void(const std::atomic<bool>& cancel)>;

    BackgroundTask() = default;
    ~BackgroundTask() {
        cancel_.store(true);
        join();
    }
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Starts `work` unless a piece of work was started before: each task runs once.
    void start(QObject* context, Work work, std::function<void()> done) {
        if (thread_.joinable() || finished_)
            return;
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
    }
    bool running() const { return thread_.joinable() && !finished_; }

private:
    void join() {
        if (thread_.joinable())
            thread_.join();
    }

    std::atomic<bool> cancel_{false};
    bool finished_ = false; // set on the context's thread once `done` has been called
    std::thread thread_;
};

} // namespace tavu
