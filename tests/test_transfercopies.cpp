#include "testenv.h"
#include "transfertesting.h"

#include <QProcess>
#include <QRandomGenerator>
#include <ctime>
#include <sys/file.h>
#include <sys/xattr.h>

using namespace tarnwick;
using namespace tarnwick::test;
using rawpath::join;

namespace {

struct stat statOf(const QByteArray &path)
{
    struct stat st
    {
    };
    lstat(path.constData(), &st);
    return st;
}

bool sameBytes(const QByteArray &a, const QByteArray &b)
{
    const int fa = open(a.constData(), O_RDONLY), fb = open(b.constData(), O_RDONLY);
    std::vector<char> ba(1 << 20), bb(1 << 20);
    bool same = fa >= 0 && fb >= 0;
    for (ssize_t n = 1; same && n > 0;) {
        n = read(fa, ba.data(), ba.size());
        same = n >= 0 && read(fb, bb.data(), bb.size()) == n &&
               memcmp(ba.data(), bb.data(), size_t(qMax<ssize_t>(n, 0))) == 0;
    }
    close(fa);
    close(fb);
    return same;
}

QByteArray attribute(const QByteArray &path, const char *name)
{
    QByteArray value(256, '\0');
    const ssize_t n = getxattr(path.constData(), name, value.data(), size_t(value.size()));
    return n < 0 ? QByteArray() : value.left(n);
}

bool coarseClockPast(const timespec &t)
{
    timespec now;
    clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now.tv_sec > t.tv_sec || (now.tv_sec == t.tv_sec && now.tv_nsec > t.tv_nsec);
}

} // namespace

// What a copy keeps besides the bytes (holes, hard links), and what a killed
// one leaves behind.
class TestTransferCopies : public QObject
{
    Q_OBJECT

    QByteArray src_, dst_, other_;
    std::unique_ptr<TransferScratch> scratch_;

    static void kindRows()
    {
        QTest::addColumn<bool>("move");
        QTest::addColumn<bool>("acrossDevices");
        QTest::newRow("copy") << false << false;
        QTest::newRow("copy to another file system") << false << true;
        QTest::newRow("move to another file system") << true << true;
    }
    // The row's kind and target, or a skip when no second file system is at hand.
    bool fetchKind(JobKind *kind, QByteArray *target)
    {
        QFETCH(bool, move);
        QFETCH(bool, acrossDevices);
        *kind = move ? JobKind::Move : JobKind::Copy;
        *target = acrossDevices ? other_ : dst_;
        return !acrossDevices || scratch_->volume.isMounted();
    }

private slots:
    void initTestCase()
    {
        scratch_ = std::make_unique<TransferScratch>();
        other_ = scratch_->other;
    }
    void cleanupTestCase() { scratch_.reset(); }
    void init()
    {
        const QByteArray work = QFile::encodeName(QDir::homePath()) + "/work";
        src_ = work + "/src";
        dst_ = work + "/dst";
        for (const QByteArray &d : {work, other_})
            QVERIFY(tarnwick::removeTree(AT_FDCWD, d.constData()).error == 0);
        QVERIFY(rawpath::makeFolders(src_) && rawpath::makeFolders(dst_) &&
                rawpath::makeFolders(other_));
    }

    // A part file from a killed paste goes when a later run writes into its
    // folder; one that may still be written to stays.
    void leftovers_data()
    {
        QTest::addColumn<QByteArray>("leftover"); // in dst/
        QTest::addColumn<char>("type");           // file, folder or link
        QTest::addColumn<bool>("locked");
        QTest::addColumn<bool>("laterRun"); // the paste runs in a program started afterwards
        QTest::addColumn<bool>("removed");
        const auto row = [](const char *name, const char *leftover, char type, bool locked,
                            bool laterRun, bool removed) {
            QTest::newRow(name) << QByteArray(leftover) << type << locked << laterRun << removed;
        };
        row("the item's own", ".item.tarnwick-part", 'f', false, true, true);
        row("another item's, numbered", ".other.tarnwick-part-3", 'f', false, true, true);
        row("held by a transfer", ".item.tarnwick-part", 'f', true, true, false);
        row("made since the program started", ".item.tarnwick-part", 'f', false, false, false);
        row("a folder", ".item.tarnwick-part", 'd', false, true, true);
        row("a folder held by a transfer", ".item.tarnwick-part", 'd', true, true, false);
        row("a link", ".item.tarnwick-part", 'l', false, true, false);
        row("a name that only looks alike", ".item.tarnwick-part.txt", 'f', false, true, false);
        row("not hidden", "item.tarnwick-part", 'f', false, true, false);
        row("a number with a leading zero", ".item.tarnwick-part-02", 'f', false, true, false);
    }
    void leftovers()
    {
        QFETCH(QByteArray, leftover);
        QFETCH(char, type);
        QFETCH(bool, locked);
        QFETCH(bool, laterRun);
        QFETCH(bool, removed);
        const QByteArray part = join(dst_, leftover), item = src_ + "/item";
        QVERIFY(makeFile(item, "the whole item"));
        QVERIFY(type == 'f'   ? makeFile(part, "the first half")
                : type == 'd' ? mkdir(part.constData(), 0755) == 0 && makeFile(part + "/half", "x")
                              : symlink("item", part.constData()) == 0);
        const int lock = locked ? open(part.constData(), O_RDONLY) : -1;
        QVERIFY(!locked || flock(lock, LOCK_EX) == 0);
        if (laterRun) {
            const timespec changed = statOf(part).st_ctim;
            QTRY_VERIFY(coarseClockPast(changed)); // the next run starts after it
            QProcess child;
            child.start(QCoreApplication::applicationDirPath() + "/transfer_child",
                        {"copy", QFile::decodeName(dst_), QFile::decodeName(item)});
            QVERIFY(child.waitForFinished(15000));
            QVERIFY2(child.exitCode() == 0, child.readAllStandardError().constData());
        } else {
            FileTransfer t(JobKind::Copy, {item}, dst_);
            QCOMPARE(runPlain(t).done, 1);
        }
        if (lock >= 0)
            close(lock);
        QCOMPARE(readAll(dst_ + "/item"), QByteArray("the whole item"));
        QCOMPARE(rawpath::exists(part), !removed);
        QCOMPARE(names(dst_).size(), removed ? 1 : type == 'd' ? 3 : 2);
    }

    // Names of one file within what is copied stay names of one file.
    void hardLinks_data() { kindRows(); }
    void hardLinks()
    {
        JobKind kind;
        QByteArray target;
        if (!fetchKind(&kind, &target))
            QSKIP(qPrintable(scratch_->volume.whyNot()));
        const QByteArray tree = src_ + "/tree";
        QVERIFY(rawpath::makeFolders(tree + "/sub") && makeFile(tree + "/a", "shared", 0640) &&
                makeFile(src_ + "/one", "top", 0600) && makeFile(tree + "/alone", "alone"));
        for (const auto &[from, to] : {std::pair{"/tree/a", "/tree/b"},
                                       {"/tree/a", "/tree/sub/c"},
                                       {"/one", "/two"},
                                       {"/tree/alone", "/outside"}})
            QVERIFY(link((src_ + from).constData(), (src_ + to).constData()) == 0);
        FileTransfer t(kind, {tree, src_ + "/one", src_ + "/two"}, target);
        const JobResult r = runPlain(t);
        QCOMPARE(r.done, 3);
        const struct stat a = statOf(target + "/tree/a"), one = statOf(target + "/one");
        QCOMPARE(readAll(target + "/tree/a") + readAll(target + "/one"), QByteArray("sharedtop"));
        QCOMPARE(a.st_mode & 07777, 0640u);
        QCOMPARE(a.st_nlink, nlink_t(3));
        QCOMPARE(one.st_nlink, nlink_t(2));
        for (const char *n : {"/tree/b", "/tree/sub/c"})
            QCOMPARE(statOf(target + n).st_ino, a.st_ino);
        QCOMPARE(statOf(target + "/two").st_ino, one.st_ino);
        QCOMPARE(statOf(target + "/tree/alone").st_nlink, nlink_t(1));
        if (kind == JobKind::Move)
            QCOMPARE(names(src_), QList<QByteArray>{"outside"});
        QVERIFY(!names(target).join().contains("tarnwick-part"));
    }

    // The bytes arrive whole however the kernel is asked to copy them (more
    // than one of its blocks, a file of the kernel's own that says it is
    // empty), and the extended attributes of files and folders go with them.
    void contentsAndAttributes_data() { kindRows(); }
    void contentsAndAttributes()
    {
        JobKind kind;
        QByteArray target;
        if (!fetchKind(&kind, &target))
            QSKIP(qPrintable(scratch_->volume.whyNot()));
        const QByteArray folder = src_ + "/folder", big = folder + "/big.bin";
        QVERIFY(rawpath::makeFolders(folder));
        QByteArray data(40 << 20, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(data.data()), data.size() / 4);
        QVERIFY(writeFile(QFile::decodeName(big), data));
        if (setxattr(big.constData(), "user.note", "kept", 4, 0) != 0 ||
            setxattr(folder.constData(), "user.tag", "blue", 4, 0) != 0)
            QSKIP("This file system keeps no user attributes.");
        FileTransfer t(kind, {folder}, target);
        QCOMPARE(runPlain(t).done, 1);
        const QByteArray copy = target + "/folder/big.bin";
        QCOMPARE(statOf(copy).st_size, qint64(data.size()));
        QCOMPARE(readAll(copy), data);
        QCOMPARE(attribute(copy, "user.note"), QByteArray("kept"));
        QCOMPARE(attribute(target + "/folder", "user.tag"), QByteArray("blue"));
        if (kind == JobKind::Copy) {
            FileTransfer k(kind, {QByteArray("/proc/version")}, target);
            QCOMPARE(runPlain(k).done, 1);
            QFile kernels(QStringLiteral("/proc/version"));
            QVERIFY(kernels.open(QIODevice::ReadOnly));
            const QByteArray expected = kernels.readAll();
            QVERIFY(!expected.isEmpty());
            QCOMPARE(readAll(target + "/version"), expected);
        }
    }

    // Holes stay holes, at the file system's block size.
    void sparse_data()
    {
        QTest::addColumn<bool>("acrossDevices");
        QTest::addColumn<QList<qint64>>("data"); // offsets of 4 KiB of data each
        QTest::addColumn<qint64>("size");
        const qint64 mib = 1 << 20;
        QList<qint64> everyMib;
        for (qint64 at = mib / 2; at < 64 * mib; at += mib)
            everyMib << at;
        for (const bool across : {false, true}) {
            const char *where = across ? ", to another file system" : "";
            QTest::addRow("a 64 MiB hole%s", where) << across << QList<qint64>{0} << 65 * mib;
            QTest::addRow("4 KiB of data in every MiB%s", where) << across << everyMib << 64 * mib;
            QTest::addRow("a hole first%s", where)
                << across << QList<qint64>{40 * mib} << 40 * mib + 4096;
        }
    }
    void sparse()
    {
        QFETCH(bool, acrossDevices);
        QFETCH(QList<qint64>, data);
        QFETCH(qint64, size);
        if (acrossDevices && !scratch_->volume.isMounted())
            QSKIP(qPrintable(scratch_->volume.whyNot()));
        const QByteArray file = src_ + "/sparse", target = acrossDevices ? other_ : dst_;
        const int fd = open(file.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0 && ftruncate(fd, size) == 0);
        for (const qint64 at : data)
            QVERIFY(pwrite(fd, QByteArray(4096, 'x').constData(), 4096, at) == 4096);
        close(fd);
        FileTransfer t(JobKind::Copy, {file}, target);
        QCOMPARE(runPlain(t).done, 1);
        const struct stat from = statOf(file), copy = statOf(target + "/sparse");
        QCOMPARE(copy.st_size, size);
        QVERIFY(sameBytes(target + "/sparse", file));
        QVERIFY2(copy.st_blocks <= from.st_blocks + 64,
                 qPrintable(QString("%1 blocks, from %2").arg(copy.st_blocks).arg(from.st_blocks)));
    }
};

TARNWICK_TEST_MAIN(TestTransferCopies)
#include "test_transfercopies.moc"
