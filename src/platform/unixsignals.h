#pragma once

#include <QObject>

namespace tarnwick {

// Turns SIGTERM and SIGINT into a Qt signal on the user-interface thread, so
// that a session logout or a kill ends the program in the orderly way.
class TerminationWatcher : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

signals:
    void terminationRequested();
};

} // namespace tarnwick
