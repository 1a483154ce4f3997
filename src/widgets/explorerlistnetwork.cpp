// The file list on a server's place: waiting for the next place without
// holding up the window, and a folder gone with its connection.
#include "background.h"
#include "explorerlistview.h"
#include "foldermodel.h"
#include "networkmounts.h"
#include "usermessages.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QStackedLayout>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <thread>

namespace tarnwick {

void ExplorerListView::showWaiting(const QString &text)
{
    if (text.isEmpty()) {
        if (waiting_ && stack_->currentWidget() == waiting_)
            stack_->setCurrentWidget(currentView());
        return;
    }
    if (!waiting_) {
        waiting_ = new QLabel(this);
        waiting_->setObjectName(QStringLiteral("waiting"));
        waiting_->setAccessibleName(tr("Waiting"));
        // A server's name is plain text.
        waiting_->setTextFormat(Qt::PlainText);
        waiting_->setAlignment(Qt::AlignCenter);
        waiting_->setWordWrap(true);
        waiting_->setAutoFillBackground(true);
        waiting_->setBackgroundRole(QPalette::Base);
        stack_->addWidget(waiting_);
    }
    waiting_->setText(text);
    stack_->setCurrentWidget(waiting_);
}

QString ExplorerListView::waitingText() const
{
    return waiting_ && stack_->currentWidget() == waiting_ ? waiting_->text() : QString();
}

void ExplorerListView::onFolderGone()
{
    const QString gone = location_.path;
    if (!isOnNetworkPlace(gone))
        return leaveGoneFolder(gone, nearestFolder(gone));
    // Gone with its connection, the tree leaves the place as a whole and
    // tells the user once. Nor is a server's place looked at on the
    // window's thread.
    Background::run(this, [this, gone](BackgroundTask &task) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ConnectionGraceMs));
        if (task.cancelled())
            return;
        const QString path = nearestFolder(gone);
        task.post([this, gone, path] { leaveGoneFolder(gone, path); });
    });
}

void ExplorerListView::reportUnread(int error)
{
    const QString folder = model_->folder();
    const QString text = tr("The folder “%1” could not be read completely: %2.")
                             .arg(folder, QString::fromLocal8Bit(strerror(error)));
    if (!isOnNetworkPlace(folder))
        return messages_->error(this, text);
    // A listing cut short as the connection went: the tree leaves the place
    // and says why, once.
    QTimer::singleShot(ConnectionGraceMs, this, [this, folder, text] {
        if (location_ == Location::folder(folder))
            messages_->error(this, text);
    });
}

} // namespace tarnwick
