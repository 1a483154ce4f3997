#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>

namespace tarnwick {

// One piece of work running off the user-interface thread. The work checks
// cancelled() as it goes and hands what it finds over with post().
class BackgroundTask : public std::enable_shared_from_this<BackgroundTask>
{
public:
    // Also true once the program is ending.
    bool cancelled() const;
    // From any thread; work already handed over and not yet delivered is
    // dropped as well.
    void cancel() { cancelled_.store(true, std::memory_order_relaxed); }
    // Runs `deliver` on the user-interface thread, in the order posted, as
    // long as the task is not cancelled and its receiver still lives by then.
    void post(std::function<void()> deliver);

private:
    friend class Background;
    std::atomic<bool> cancelled_{false};
    QPointer<QObject> receiver_; // read on the user-interface thread only
};

using TaskHandle = std::shared_ptr<BackgroundTask>;

// Every read that may be slow (listing, searching, counting sizes, special
// places, mounts) runs through here, by one set of rules:
// - each task has a thread of its own, so one stuck on a dead mount holds up
//   nothing else;
// - results reach the receiver on the user-interface thread through the
//   task, which drops them once cancelled or once the receiver is gone;
// - nothing ever waits for a task: as the application object goes, every
//   task is cancelled and given a moment to stop; one still stuck then is
//   abandoned.
class Background
{
public:
    enum class Priority
    {
        Interactive, // what the user is waiting for
        Low          // what runs ahead of need (the tree's expansions)
    };

    // Starts `work` now. `receiver` lives on the user-interface thread.
    static TaskHandle run(QObject *receiver, std::function<void(BackgroundTask &)> work,
                          Priority priority = Priority::Interactive);
    // Tasks not yet ended. What an ended task posted is already queued.
    static int runningCount();
};

// A task the user can stop, after which it still reports what it found so
// far, or that can be abandoned, after which it reports nothing more.
class StoppableTask
{
public:
    ~StoppableTask() { abandon(); }

    // Abandons any task still running and starts `work(task, stop)`, where
    // `stop` is set when the user stops it.
    void start(QObject *receiver,
               std::function<void(BackgroundTask &, const std::atomic<bool> &)> work)
    {
        abandon();
        auto stop = std::make_shared<std::atomic<bool>>(false);
        stop_ = stop;
        task_ = Background::run(
            receiver, [work = std::move(work), stop](BackgroundTask &task) { work(task, *stop); });
    }
    void stop()
    {
        if (stop_)
            stop_->store(true);
    }
    void abandon()
    {
        if (!task_)
            return;
        stop_->store(true);
        task_->cancel();
        finished();
    }
    // Called with the task's last report.
    void finished()
    {
        task_.reset();
        stop_.reset();
    }
    bool isRunning() const { return task_ != nullptr; }

private:
    TaskHandle task_;
    std::shared_ptr<std::atomic<bool>> stop_;
};

} // namespace tarnwick
