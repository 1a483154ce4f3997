#pragma once

#include <QHash>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace tarnwick {

class JobRunner;
class OperationRow;

// The one list of this copy of the program's running and waiting jobs: what
// each does and where, how far it got, how fast and how long it still
// takes, with Pause, Resume, Start Now, Answer and Cancel on its row. It is
// never modal, never kept on top, and appears without taking the focus from
// the window the user works in. A row goes when its job has ended.
class OperationsWindow : public QWidget
{
    Q_OBJECT
public:
    static OperationsWindow &shared();
    static OperationsWindow *current(); // null until shared() made it, and after the program

    void add(JobRunner *runner);
    void remove(JobRunner *runner);
    // The runner's state changed: progress, a question, paused or waiting.
    void refresh(JobRunner *runner);
    int rowCount() const { return int(rows_.size()); }

private:
    OperationsWindow();

    QVBoxLayout *list_;
    QLabel *empty_;
    QHash<JobRunner *, OperationRow *> rows_;
};

} // namespace tarnwick
