#include "unixsignals.h"

#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace tarnwick {
namespace {

int signalPipe[2] = {-1, -1};
// Requests not yet taken by the event loop.
std::atomic<int> unanswered{0};

void onSignal(int signo)
{
    // A second request while the first is still unanswered means the
    // program is stuck: let the signal do what it does by default.
    if (unanswered.fetch_add(1) > 0) {
        signal(signo, SIG_DFL);
        raise(signo);
        return;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = write(signalPipe[1], &byte, 1);
}

} // namespace

void TerminationWatcher::catchEarly()
{
    if (signalPipe[0] >= 0)
        return;
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    struct sigaction sa = {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr); // the terminal it was started from went away
    // Whoever started us may have blocked them; they are ours to handle.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

TerminationWatcher::TerminationWatcher(QObject *parent) : QObject(parent)
{
    catchEarly();
    if (signalPipe[0] < 0)
        return;
    // The handlers stay for the rest of the run: a signal arriving while the
    // program tears down must not end it with a signal status.
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        unanswered.store(0);
        emit terminationRequested();
    });
}

} // namespace tarnwick
