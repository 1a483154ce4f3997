#include "background.h"

#include <QCoreApplication>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace tarnwick {

namespace {

// Set as the application object goes: a task freed from a stuck call
// afterwards has nowhere left to post to.
std::atomic<bool> closing{false};

void markClosing()
{
    closing.store(true);
}

} // namespace

void BackgroundTask::post(std::function<void()> deliver)
{
    if (cancelled() || closing.load())
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
    std::thread([task, work = std::move(work), priority] {
        // Linux gives each thread its own nice value.
        if (priority == Priority::Low)
            setpriority(PRIO_PROCESS, gettid(), 10);
        if (!task->cancelled())
            work(*task);
    }).detach();
    return task;
}

} // namespace tarnwick
