// What the history costs: a paste of 20,000 small files with and without
// the history kept (the worker's per-item identities and the one append at
// the end), and the undo of that paste (20,000 copies to the trash) against
// trashing the same copies directly through the trash job. Medians of three
// rounds, in the same run on the same disk. Run by hand or with `make bench`.
#include "fileoperations.h"
#include "rawpaths.h"
#include "undo.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

using namespace tarnwick;

namespace {

constexpr int Files = 20000;

JobResult run(Job *job)
{
    const std::unique_ptr<Job> owned(job);
    JobResult result;
    bool done = false;
    QObject::connect(job, &Job::finished, job, [&](const JobResult &r) {
        result = r;
        done = true;
    });
    job->start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return result;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QByteArray fresh(const QByteArray &root, const char *name, int round)
{
    const QByteArray dir = root + '/' + name + QByteArray::number(round);
    QDir().mkpath(QString::fromLocal8Bit(dir));
    return dir;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp(QDir::currentPath() + QStringLiteral("/bench_undo-XXXXXX"));
    const QByteArray root = QFile::encodeName(temp.path());
    const QByteArray source = root + "/source";
    QDir().mkpath(QString::fromLocal8Bit(source));
    QList<QByteArray> sources;
    for (int i = 0; i < Files; ++i) {
        const QByteArray path = source + "/file" + QByteArray::number(i) + ".txt";
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, "small file\n", 11) != 11)
            return 1;
        ::close(fd);
        sources << path;
    }
    const TrashStore store(temp.path() + QStringLiteral("/Trash"));
    UndoJournal journal(temp.path() + QStringLiteral("/state"));

    std::vector<double> pastes, identities, appends, undone, trashed;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer t;
        // The paste, with the identities its worker gathers timed apart
        // (the same calls again) and the one append at the end: the
        // history's part is measured on its own, as the paste itself varies
        // from round to round by more than that part.
        ::sync();
        t.start();
        const JobResult r =
            run(new FileTransfer(JobKind::Copy, sources, fresh(root, "kept", round)));
        pastes.push_back(t.nsecsElapsed() / 1e9);
        if (r.undoItems.size() != Files)
            return 2;
        t.start();
        for (const UndoItem &item : std::as_const(r.undoItems))
            undo::identify(item.from, item.to);
        identities.push_back(t.nsecsElapsed() / 1e9);
        t.start();
        const std::unique_ptr<Job> like(Jobs::steps(JobKind::Copy, {}, {}));
        if (!undo::record(*like, r, journal))
            return 3;
        appends.push_back(t.nsecsElapsed() / 1e9);
        if (run(new FileTransfer(JobKind::Copy, sources, fresh(root, "plain", round))).done !=
            Files)
            return 2;

        ::sync();
        t.start();
        const quint64 id = undo::nextUndo(journal.load());
        Job *undoJob = undo::start(journal, id, false, store);
        if (!undoJob || run(undoJob).done != Files)
            return 4;
        undone.push_back(t.nsecsElapsed() / 1e9);

        QList<QByteArray> copies;
        for (const UndoItem &item : std::as_const(r.undoItems))
            copies << root + "/plain" + QByteArray::number(round) + '/' +
                          rawpath::baseName(item.to);
        ::sync();
        t.start();
        if (run(Jobs::trash(copies, store)).done != Files)
            return 5;
        trashed.push_back(t.nsecsElapsed() / 1e9);
    }
    const double ids = median(identities), append = median(appends);
    const double paste = median(pastes) - ids;
    std::printf("paste of %d files: %.2f s without the history; its identities %.3f s and "
                "its one append %.3f s: %.3fx\n",
                Files, paste, ids, append, (paste + ids + append) / paste);
    std::printf("undo of that paste: %.2f s, trashing the copies directly: %.2f s: %.2fx\n",
                median(undone), median(trashed), median(undone) / median(trashed));
    return 0;
}
