#pragma once

#include "undojournal.h"

#include <QFileSystemWatcher>
#include <QTimer>
#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace tarnwick {

class JobAsker;
class UserMessages;

// The operations of the shared history, newest first: when, what, how many
// items, from where and to where, and whether undone. It follows the
// history as any window adds to it, and undoes or redoes the operation
// chosen, whichever it is: undo checks each item is as the operation left it.
class HistoryWindow : public QWidget
{
    Q_OBJECT
public:
    HistoryWindow(QWidget *parent, UserMessages &messages, JobAsker &asker);

    void refresh();
    // The row's operation; 0 for none.
    quint64 selectedId() const;
    QTreeWidget *list() const { return list_; }

protected:
    bool event(QEvent *event) override;

private:
    void run(bool redo);
    void updateButtons();

    UserMessages &messages_;
    JobAsker &asker_;
    QTreeWidget *list_;
    QPushButton *undo_;
    QPushButton *redo_;
    QList<UndoRecord> records_;
    QFileSystemWatcher watcher_;
    QTimer refreshSoon_;
};

} // namespace tarnwick
