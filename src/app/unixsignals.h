#pragma once

#include <QObject>

namespace tarnwick {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the user-interface thread, so
// that a session logout or a kill ends the program in the orderly way.
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    // Catches the three signals from now on, before any window or even the
    // application object exists; a request that arrives this early is
    // delivered once the event loop runs. Call first thing in main.
    static void catchEarly();

    explicit TerminationWatcher(QObject *parent = nullptr);

signals:
    void terminationRequested();
};

} // namespace tarnwick
