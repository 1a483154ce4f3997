#pragma once

#include "fileoperations.h"

#include <QPointer>
#include <QTimer>
#include <utility>

class QWidget;

namespace tarnwick {

class TransferProgressDialog;

// Where a transfer's questions go. Tests substitute a scripted one.
class TransferAsker
{
public:
    virtual ~TransferAsker();
    // The choice, and whether it holds for every conflict still to come.
    virtual std::pair<ConflictChoice, bool> askConflict(QWidget *parent, const Conflict &c) = 0;
    virtual ErrorChoice askError(QWidget *parent, const QString &what, const QString &reason) = 0;
    // What went wrong, once, at the end; one entry per item.
    virtual void report(QWidget *parent, const QStringList &errors) = 0;

    // Dialogs over `parent`.
    static TransferAsker &dialogs();
};

// What the conflict dialog says, a line each.
QStringList conflictTexts(const Conflict &c);

// Runs a transfer for the user: answers its questions through the asker,
// shows its progress (with Cancel) once it has taken half a second, and
// reports what failed at the end. The transfer must outlive the runner.
class TransferRunner : public QObject
{
    Q_OBJECT
public:
    TransferRunner(FileTransfer *transfer, QWidget *parent, TransferAsker &asker);
    ~TransferRunner() override;

    // Whether the progress dialog blocks the parent window.
    void setModal(bool modal) { modal_ = modal; }
    void start();

signals:
    void finished(const tarnwick::TransferResult &result);

private:
    void onProgress(const QString &file, qint64 bytesDone, qint64 bytesTotal, int filesDone,
                    int filesTotal);
    void onConflict(const Conflict &c);
    void onError(const QString &what, const QString &reason);
    void onFinished(const TransferResult &result);
    void showProgress();

    FileTransfer *transfer_;
    QPointer<QWidget> parent_;
    TransferAsker &asker_;
    bool modal_ = false;
    bool asking_ = false;
    QTimer showTimer_;
    QPointer<TransferProgressDialog> dialog_;
    // The latest progress, for a dialog that appears late.
    QString file_;
    qint64 bytesDone_ = 0, bytesTotal_ = 0;
    int filesDone_ = 0, filesTotal_ = 0;
};

// Starts `transfer` for the user and takes it over: the transfer and the
// runner delete themselves once `finished` has been emitted. For drag and drop.
TransferRunner *runTransfer(FileTransfer *transfer, QWidget *parent,
                            TransferAsker &asker = TransferAsker::dialogs());

// The whole transfer, with a local event loop spinning until it ends; for
// the paste command.
TransferResult runTransferModal(TransferKind kind, const QList<QByteArray> &sources,
                                const QByteArray &targetFolder, QWidget *parent,
                                TransferAsker &asker = TransferAsker::dialogs());

} // namespace tarnwick
