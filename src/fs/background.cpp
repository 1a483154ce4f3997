#include "background.h"

#include <QCoreApplication>
#include <chrono>
#include <mutex>
#include <shared_mutex>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace tarnwick {

namespace {

// How long the ending program gives running tasks to notice they are
// cancelled: any task not stuck in a call stops within milliseconds.
constexpr auto SettleTime = std::chrono::milliseconds(250);

// Set as the application object goes: nothing may be posted to it after.
std::atomic<bool> closing{false};
// Held shared while posting, so the application object cannot go mid-post.
std::shared_mutex gate;
std::atomic<int> running{0};

void markClosing()
{
    {
        std::unique_lock lock(gate);
        closing.store(true);
    }
    // Tasks still reading may yet touch what the program frees on its way
    // out (the MIME database, the type names); those stuck on a dead mount
    // are left behind.
    const auto until = std::chrono::steady_clock::now() + SettleTime;
    while (running.load() > 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

} // namespace

bool BackgroundTask::cancelled() const
{
    return cancelled_.load(std::memory_order_relaxed) || closing.load(std::memory_order_relaxed);
}

void BackgroundTask::post(std::function<void()> deliver)
{
    std::shared_lock lock(gate);
    if (cancelled())
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(
        app,
        [self = shared_from_this(), deliver = std::move(deliver)] {
            if (!self->cancelled() && self->receiver_)
                deliver();
        },
        Qt::QueuedConnection);
}

int Background::runningCount()
{
    return running.load();
}

TaskHandle Background::run(QObject *receiver, std::function<void(BackgroundTask &)> work,
                           Priority priority)
{
    static const bool watching = [] {
        qAddPostRoutine(markClosing);
        return true;
    }();
    Q_UNUSED(watching);
    auto task = std::make_shared<BackgroundTask>();
    task->receiver_ = receiver;
    ++running;
    std::thread([task, work = std::move(work), priority] {
        // Linux gives each thread its own nice value.
        if (priority == Priority::Low)
            setpriority(PRIO_PROCESS, gettid(), 10);
        if (!task->cancelled())
            work(*task);
        --running;
    }).detach();
    return task;
}

} // namespace tarnwick
