// Network places that come and go: scripted ones, and a real SSH server on
// the loopback address reached through the desktop's file services on a
// session bus of the test's own.
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "fileoperations.h"
#include "foldermodel.h"
#include "harness.h"
#include "mounts.h"
#include "namespacemodel.h"
#include "networkdialogs.h"
#include "networkmounts.h"
#include "testenv.h"
#include "volumemonitor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>
#include <atomic>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace tarnwick;

namespace {

class FakeVolumes : public VolumeMonitor
{
public:
    QList<DriveVolume> volumes() const override { return list; }
    void mount(const QString &) override {}
    void unmount(const QString &) override {}
    void eject(const QString &) override {}
    void stop(const QString &) override {}
    void providePassword(const QString &, const QString &, bool) override {}
    void answerQuestion(const QString &, int) override {}
    void set(const QList<DriveVolume> &volumes)
    {
        list = volumes;
        emit changed();
    }
    QList<DriveVolume> list;
};

// Mounts at once, at the path the test gives.
class InstantMounter : public NetworkMounter
{
public:
    bool available(QString *) const override { return true; }
    QList<NetworkMount> mounts() const override { return {}; }
    void mount(const QString &address) override
    {
        QMetaObject::invokeMethod(
            this, [this, address] { emit mounted(address, path); }, Qt::QueuedConnection);
    }
    void unmount(const QString &) override {}
    void provideCredentials(const QString &, const QString &, const QString &, bool) override {}
    void cancelCredentials() override {}
    QString path;
};

// The tree over the test's own folder, the list and the address box linked.
struct Window
{
    explicit Window(const QString &root, VolumeMonitor *monitor)
    {
        model = new NamespaceModel(
            nullptr, [] { return QList<Volume>{}; }, root, root);
        model->setRootFolder(root);
        tree = std::make_unique<ExplorerTreeView>(nullptr, model);
        tree->setMessages(&messages);
        if (monitor)
            tree->setVolumeMonitor(monitor);
        list.setMessages(&messages);
        list.setVolumeSource([] { return QList<Volume>{}; });
        tree->setLinkedListView(&list);
        tree->setLinkedCombo(&combo);
    }
    test::RecordingMessages messages;
    NamespaceModel *model = nullptr;
    ExplorerListView list;
    ExplorerCombo combo;
    std::unique_ptr<ExplorerTreeView> tree;

    QModelIndex computer() const { return model->index(0, 0, model->index(0, 0)); }
    QModelIndex place(const QString &name) const
    {
        for (int r = 0; r < model->rowCount(computer()); ++r)
            if (model->index(r, 0, computer()).data().toString() == name)
                return model->index(r, 0, computer());
        return {};
    }
};

QStringList listed(const ExplorerListView &list)
{
    QStringList out;
    for (int i = 0; i < list.ItemCount(); ++i)
        out << QFileInfo(list.ItemPath(i)).fileName();
    return out;
}

// Runs a job to its end; its errors, or empty.
QStringList run(Job *job)
{
    std::unique_ptr<Job> owned(job);
    QSignalSpy finished(job, &Job::finished);
    job->start();
    if (!test::waitEmitted(finished, 20000))
        return {QStringLiteral("did not finish")};
    const auto result = finished[0][0].value<JobResult>();
    return result.errors.isEmpty() && result.done == 1 ? QStringList()
                                                       : result.errors + QStringList{"not done"};
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

// Runs a program to its end within a few seconds; false when it failed.
bool runProgram(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    if (program.isEmpty())
        return false;
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool haveSessionBus()
{
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    return !bus.isEmpty() && !bus.startsWith("autolaunch:");
}

// The desktop's file services start on the bus at their first use, with the
// bus's environment: they are given the agent the test starts, and the
// test's home and runtime folder, so that their local folders are made in
// the test's own. Done before anything here asks them.
bool prepareFileServices(const QString &agent)
{
    if (!haveSessionBus())
        return false;
    QStringList vars{"SSH_AUTH_SOCK=" + agent};
    for (const char *name :
         {"HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"})
        vars << QString::fromLatin1(name) + '=' + qEnvironmentVariable(name);
    return runProgram(QStandardPaths::findExecutable("dbus-update-activation-environment"), vars);
}

int freePort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr *>(&a), &size) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

// The pids of `pid`'s descendants: sshd serves each connection from a
// process of its own, in a session of its own.
QList<qint64> descendants(qint64 pid)
{
    QList<qint64> out;
    const QStringList all = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    QList<qint64> parents{pid};
    while (!parents.isEmpty()) {
        const qint64 parent = parents.takeFirst();
        for (const QString &entry : all) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
            if (!stat.open(QIODevice::ReadOnly))
                continue;
            const QByteArray text = stat.readAll();
            const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
            if (fields.size() > 1 && fields[1].toLongLong() == parent) {
                out << entry.toLongLong();
                parents << entry.toLongLong();
            }
        }
    }
    return out;
}

// An SSH server on the loopback address that lets the test's key in, an
// agent holding that key, and the desktop's file services on the test's
// session bus told where to find the agent and the test's home. whyNot()
// says what is missing where any of it cannot be had.
class SshServer
{
public:
    // `agent`: where the file services look for the agent.
    SshServer(const QString &dir, const QString &agent) : dir_(dir), agent_path_(agent) {}
    ~SshServer() { stop(); }

    bool start(bool prepared)
    {
        const QString sshd = QStandardPaths::findExecutable("sshd", {"/usr/sbin", "/usr/bin"});
        if (sshd.isEmpty())
            return no("sshd is not installed (the openssh-server package)");
        if (!QFile::exists("/usr/libexec/gvfsd-sftp") || !QFile::exists("/usr/libexec/gvfsd-fuse"))
            return no("the desktop's file services for sftp:// and their local folders "
                      "(gvfs-backends, gvfs-fuse) are not installed");
        if (!prepared)
            return no("no session bus of its own to start the file services on: run under "
                      "dbus-run-session");
        if (geteuid() != 0)
            return no("sshd lets in only the user it runs as, and only root can run it here");
        // sshd's own empty folder, which its service makes as it starts.
        if (!QDir().mkpath("/run/sshd"))
            return no("sshd has no folder of its own at /run/sshd");
        const QString keygen = QStandardPaths::findExecutable("ssh-keygen");
        if (!runProgram(keygen, {"-q", "-t", "ed25519", "-N", "", "-f", dir_ + "/host"}) ||
            !runProgram(keygen, {"-q", "-t", "ed25519", "-N", "", "-f", dir_ + "/user"}) ||
            !QFile::copy(dir_ + "/user.pub", dir_ + "/authorized"))
            return no("ssh-keygen could not make the keys");
        port_ = freePort();
        QFile config(dir_ + "/sshd_config");
        if (!config.open(QIODevice::WriteOnly))
            return no("no room for sshd's configuration");
        config.write(QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2/host\n"
                                    "AuthorizedKeysFile %2/authorized\nPidFile none\n"
                                    "PasswordAuthentication no\nKbdInteractiveAuthentication no\n"
                                    "UsePAM no\nStrictModes no\nPermitRootLogin yes\n"
                                    "Subsystem sftp internal-sftp\n")
                         .arg(port_)
                         .arg(dir_)
                         .toUtf8());
        config.close();
        sshd_.setProgram(sshd);
        sshd_.setArguments({"-D", "-e", "-f", dir_ + "/sshd_config"});
        sshd_.setProcessChannelMode(QProcess::MergedChannels);
        sshd_.start();
        if (!sshd_.waitForStarted(5000) ||
            !QTest::qWaitFor([this] { return sshd_.readAll().contains("listening"); }, 5000))
            return no("sshd did not start: " + QString::fromLocal8Bit(sshd_.readAll()));

        agent_.setProgram(QStandardPaths::findExecutable("ssh-agent"));
        agent_.setArguments({"-D", "-a", agent_path_});
        agent_.start();
        if (!agent_.waitForStarted(5000) ||
            !QTest::qWaitFor([this] { return QFile::exists(agent_path_); }, 5000))
            return no("ssh-agent did not start");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("SSH_AUTH_SOCK", agent_path_);
        if (!runProgram(QStandardPaths::findExecutable("ssh-add"), {dir_ + "/user"}, env))
            return no("ssh-add could not hand the key to the agent");
        return true;
    }

    // Ends the server and every connection it serves.
    void stop()
    {
        stopping_ = true;
        if (sshd_.state() != QProcess::NotRunning) {
            for (qint64 pid : descendants(sshd_.processId()))
                ::kill(pid_t(pid), SIGKILL);
            sshd_.kill();
            sshd_.waitForFinished(3000);
        }
        if (agent_.state() != QProcess::NotRunning) {
            agent_.kill();
            agent_.waitForFinished(3000);
        }
        if (watchdog_.joinable())
            watchdog_.join();
    }

    // The server stops answering, its connections left open. Should the
    // window wait on it all the same, the frozen processes are ended after
    // ten seconds, so that the test fails rather than hangs.
    void freeze()
    {
        const QList<qint64> pids = descendants(sshd_.processId());
        for (qint64 pid : pids)
            ::kill(pid_t(pid), SIGSTOP);
        watchdog_ = std::thread([this, pids] {
            for (int i = 0; i < 100 && !stopping_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!stopping_)
                for (qint64 pid : pids)
                    ::kill(pid_t(pid), SIGKILL);
        });
    }

    int port() const { return port_; }
    const QString &whyNot() const { return whyNot_; }

private:
    bool no(const QString &why)
    {
        whyNot_ = why;
        return false;
    }
    QString dir_;
    QString agent_path_;
    QString whyNot_;
    int port_ = 0;
    QProcess sshd_;
    QProcess agent_;
    std::thread watchdog_;
    std::atomic<bool> stopping_ = false;
};

bool listening(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(quint16(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    close(fd);
    return ok;
}

// A Samba server of the test's own on the loopback address, with one share
// and one user, root, whose password is "secret".
class SambaServer
{
public:
    explicit SambaServer(const QString &dir) : dir_(dir) {}
    ~SambaServer()
    {
        if (smbd_.state() != QProcess::NotRunning) {
            smbd_.kill();
            smbd_.waitForFinished(3000);
        }
    }
    bool start()
    {
        const QString smbd = QStandardPaths::findExecutable("smbd", {"/usr/sbin"});
        const QString smbpasswd = QStandardPaths::findExecutable("smbpasswd");
        if (smbd.isEmpty() || smbpasswd.isEmpty())
            return no("Samba is not installed (the samba package)");
        if (!QFile::exists("/usr/libexec/gvfsd-smb"))
            return no("the desktop's file services for smb:// (gvfs-backends) are not installed");
        if (geteuid() != 0)
            return no("a private smbd serves its share as root only");
        for (const char *sub : {"share", "state", "lock", "pid", "private", "cache", "rpc"})
            QDir().mkpath(dir_ + '/' + sub);
        port_ = freePort();
        QFile config(dir_ + "/smb.conf");
        if (!config.open(QIODevice::WriteOnly))
            return no("no room for Samba's configuration");
        config.write(
            QStringLiteral("[global]\nsmb ports = %1\nbind interfaces only = yes\ninterfaces = lo\n"
                           "lock directory = %2/lock\nstate directory = %2/state\n"
                           "cache directory = %2/cache\npid directory = %2/pid\n"
                           "private dir = %2/private\nncalrpc dir = %2/rpc\n"
                           "passdb backend = tdbsam:%2/private/passdb.tdb\n"
                           "disable netbios = yes\nserver role = standalone server\n"
                           "load printers = no\nprinting = bsd\nprintcap name = /dev/null\n"
                           "disable spoolss = yes\n[share]\npath = %2/share\nread only = no\n")
                .arg(port_)
                .arg(dir_)
                .toUtf8());
        config.close();
        QProcess passwd;
        passwd.start(smbpasswd, {"-c", dir_ + "/smb.conf", "-s", "-a", "root"});
        passwd.write("secret\nsecret\n");
        passwd.closeWriteChannel();
        if (!passwd.waitForFinished(10000) || passwd.exitCode() != 0)
            return no("smbpasswd could not add the user");
        smbd_.setProgram(smbd);
        smbd_.setArguments(
            {"-F", "--no-process-group", "--debug-stdout", "-s", dir_ + "/smb.conf"});
        smbd_.setProcessChannelMode(QProcess::MergedChannels);
        smbd_.start();
        if (!smbd_.waitForStarted(5000) ||
            !QTest::qWaitFor([this] { return listening(port_); }, 10000))
            return no("smbd did not start: " + QString::fromLocal8Bit(smbd_.readAll()));
        return true;
    }
    int port() const { return port_; }
    QString share() const { return dir_ + "/share"; }
    const QString &whyNot() const { return whyNot_; }

private:
    bool no(const QString &why)
    {
        whyNot_ = why;
        return false;
    }
    QString dir_;
    QString whyNot_;
    int port_ = 0;
    QProcess smbd_;
};

// The local folder of the file services, given up as the test ends: the
// home's removal must never walk into a server's files.
void releaseLocalFolders()
{
    const QString root = qEnvironmentVariable("XDG_RUNTIME_DIR") + "/gvfs";
    if (QFileInfo(root).isDir())
        runProgram(QStandardPaths::findExecutable("fusermount3"), {"-u", "-z", root});
}

} // namespace

class TestNetworkPlaces : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }
    QString agent() const { return root() + "/agent"; }
    bool prepared_ = false;

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        prepared_ = prepareFileServices(agent());
    }
    void cleanupTestCase() { releaseLocalFolders(); }

    // A server's place the desktop's volumes name shows under My Computer,
    // and when its connection goes the tree and the list leave it for My
    // Computer and the user is told once, by the place's name.
    void lostConnectionLeadsToMyComputer()
    {
        FakeVolumes fake;
        Window w(root(), &fake);
        const QString at = root() + "/gvfs/sftp:host=server,user=anna";
        QDir().mkpath(at + "/home/anna");
        DriveVolume place;
        place.id = "mount:sftp://anna@server/";
        place.name = "anna on server";
        place.mountPath = at;
        place.network = true;
        fake.set({place});
        QVERIFY(w.place(place.name).isValid());
        QVERIFY(w.place(place.name).data(NamespaceModel::NetworkRole).toBool());
        QVERIFY(w.tree->navigateTo(Location::folder(at + "/home/anna")));
        QTRY_COMPARE(w.list.location(), Location::folder(at + "/home/anna"));
        QCOMPARE(w.model->parent(w.model->parent(w.tree->view()->currentIndex())),
                 w.place(place.name));

        fake.set({});
        QTRY_COMPARE(w.tree->location(), Location::special(MyComputerSpace));
        QCOMPARE(w.list.location(), Location::special(MyComputerSpace));
        QVERIFY(!w.place(place.name).isValid());
        const QStringList told{"The connection to “anna on server” was lost, so My Computer is "
                               "shown."};
        QTRY_COMPARE(w.messages.errors, told);
        QTest::qWait(100); // and once only
        QCOMPARE(w.messages.errors, told);
    }

    // Right after connecting, the place's local folder may not answer yet:
    // the list says what it waits for, the window goes on, and the folder
    // opens once it answers, or the user is told it never did.
    void connectedPlaceIsWaitedFor_data()
    {
        QTest::addColumn<int>("answersAfterMs"); // -1: never
        QTest::newRow("answers soon") << 600;
        QTest::newRow("never answers") << -1;
    }
    void connectedPlaceIsWaitedFor()
    {
        QFETCH(int, answersAfterMs);
        FakeVolumes fake;
        Window w(root(), &fake);
        InstantMounter mounter;
        w.tree->setMounter(&mounter);
        const QString at =
            root() + "/gvfs/sftp:host=slow" + QString::number(answersAfterMs) + "/data";
        mounter.path = at;
        if (answersAfterMs >= 0)
            QTimer::singleShot(answersAfterMs, [at] { QDir().mkpath(at); });
        const Location before = w.tree->location();
        QVERIFY(!w.tree->openAddress("sftp://slow/data"));

        QCOMPARE(w.list.waitingText(), QStringLiteral("Waiting for slow..."));
        QCOMPARE(w.tree->location(), before);
        QVERIFY(w.messages.errors.isEmpty());
        if (answersAfterMs >= 0) {
            QTRY_COMPARE(w.tree->location(), Location::folder(at));
            QCOMPARE(w.list.location(), Location::folder(at));
            QTest::qWait(200);
            QVERIFY2(w.messages.errors.isEmpty(), qPrintable(w.messages.errors.join('\n')));
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(w.messages.errors.size(), 1, 8000);
            QVERIFY(w.messages.errors[0].contains("does not answer"));
            QCOMPARE(w.tree->location(), before);
        }
        QVERIFY(w.list.waitingText().isEmpty());
    }

    // The real thing: connect through the desktop's mounter, browse, copy
    // both ways, rename, delete, then the server dies.
    void sshServerRoundTrip()
    {
        QTemporaryDir serverDir;
        SshServer server(serverDir.path(), agent());
        const auto stop = qScopeGuard([&] { server.stop(); });
        if (!server.start(prepared_))
            QSKIP(qPrintable("No SSH server here: " + server.whyNot()));
        const QString remote = serverDir.path() + "/share";
        QVERIFY(test::writeFile(remote + "/hello.txt", "hello from the server"));
        const QString local = root() + "/local";
        QVERIFY(test::writeFile(local + "/up.txt", "from here"));

        auto monitor = makeSystemVolumeMonitor();
        Window w(root(), monitor.get());
        auto mounter = makeSystemMounter();
        w.tree->setMounter(mounter.get());
        QString why;
        if (!mounter->available(&why))
            QSKIP(qPrintable("The desktop's file services do not serve here: " + why));
        // A connection that goes wrong leaves its dialog open: close it.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(30000);

        // Typed into the address box: connected, waited for and shown.
        const QString address =
            QStringLiteral("sftp://root@127.0.0.1:%1%2").arg(server.port()).arg(remote);
        w.combo.lineEdit()->setText(address);
        QTest::keyClick(w.combo.lineEdit(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(
            w.tree->location().isFolder() && w.tree->location().path.endsWith(remote), 20000);
        QVERIFY2(w.messages.errors.isEmpty(), qPrintable(w.messages.errors.join('\n')));
        const QString path = w.tree->location().path;
        QVERIFY(isOnNetworkPlace(path));
        // The address reads as the user knows the place, not as its local folder.
        QCOMPARE(w.combo.currentText(), address);
        const QModelIndex place = w.place("root on 127.0.0.1");
        QVERIFY(place.isValid() && place.data(NamespaceModel::NetworkRole).toBool());
        QVERIFY(test::waitListed(&w.list));
        QTRY_COMPARE(listed(w.list), QStringList{"hello.txt"});

        // Elsewhere and back by the address.
        QVERIFY(w.tree->navigateTo(Location::special(MyComputerSpace)));
        QVERIFY(w.combo.go(address));
        QTRY_COMPARE(w.tree->location(), Location::folder(path));

        // Copies both ways, a rename and a delete on the server.
        const QByteArray there = QFile::encodeName(path);
        QCOMPARE(
            run(new FileTransfer(JobKind::Copy, {QFile::encodeName(local + "/up.txt")}, there)),
            QStringList());
        QCOMPARE(
            run(new FileTransfer(JobKind::Copy, {there + "/hello.txt"}, QFile::encodeName(local))),
            QStringList());
        QCOMPARE(readFile(remote + "/up.txt"), QByteArray("from here"));
        QCOMPARE(readFile(local + "/hello.txt"), QByteArray("hello from the server"));
        QCOMPARE(run(Jobs::rename(there + "/up.txt", "renamed.txt")), QStringList());
        QVERIFY(QFile::exists(remote + "/renamed.txt") && !QFile::exists(remote + "/up.txt"));
        QCOMPARE(run(Jobs::erase({there + "/renamed.txt"})), QStringList());
        QVERIFY(!QFile::exists(remote + "/renamed.txt"));
        w.list.reload();
        QTRY_COMPARE(listed(w.list), QStringList{"hello.txt"});

        // The server stops answering: nothing the user does on the place
        // holds up the window.
        QVERIFY(QDir().mkpath(remote + "/sub/deeper"));
        server.freeze();
        // A read there off the window's thread, a listing's or a folder
        // check's, waits on the server first; later looks at the same names
        // queue up behind it.
        std::thread reader([folder = QFile::encodeName(path + "/sub/deeper")] {
            struct stat st;
            stat(folder.constData(), &st);
        });
        const auto endReader = qScopeGuard([&] {
            server.stop();
            reader.join();
        });
        QTest::qWait(200);
        QElapsedTimer clock;
        clock.start();
        w.list.reload();
        QTest::keyClick(w.tree->view(), Qt::Key_F5);
        w.list.setLocation(Location::folder(path + "/sub/deeper"));
        w.list.setLocation(Location::folder(path));
        w.combo.lineEdit()->setText(path + "/s");
        QTest::keyClick(w.combo.lineEdit(), Qt::Key_U);
        w.combo.showLocation(w.tree->location());
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));

        // The server dies: the place goes, and the user is told once.
        server.stop();
        QTRY_VERIFY_WITH_TIMEOUT(!w.place("root on 127.0.0.1").isValid(), 20000);
        QTRY_COMPARE(w.tree->location(), Location::special(MyComputerSpace));
        QCOMPARE(w.list.location(), Location::special(MyComputerSpace));
        const QStringList told{"The connection to “root on 127.0.0.1” was lost, so My Computer "
                               "is shown."};
        QTRY_COMPARE(w.messages.errors, told);
        QTest::qWait(300); // and once only
        QCOMPARE(w.messages.errors, told);
    }

    // A Samba share through the Map Network Drive dialog: a wrong password
    // first, which the next prompt says was refused, then the right one;
    // browse, copy both ways, rename, delete, and disconnect, which moves
    // the tree away without telling of a lost connection.
    void sambaRoundTrip()
    {
        QTemporaryDir serverDir;
        SambaServer server(serverDir.path());
        if (!prepared_)
            QSKIP("no session bus of its own to start the file services on");
        if (!server.start())
            QSKIP(qPrintable("No Samba server here: " + server.whyNot()));
        QVERIFY(test::writeFile(server.share() + "/hello.txt", "hello from the share"));
        const QString local = root() + "/local-smb";
        QVERIFY(test::writeFile(local + "/up.txt", "from here"));

        auto monitor = makeSystemVolumeMonitor();
        Window w(root(), monitor.get());
        auto mounter = makeSystemMounter();
        w.tree->setMounter(mounter.get());
        // Answers the prompts as they come: a wrong password, then the right.
        QStringList prompts; // "plain" or "refused", in turn
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *c = test::shownDialog<CredentialsDialog>();
            if (!c)
                return;
            prompts << (c->findChild<QLabel *>("refused") ? "refused" : "plain");
            c->findChild<QLineEdit *>("user")->setText("root");
            c->findChild<QLineEdit *>("password")
                ->setText(prompts.size() == 1 ? "wrong" : "secret");
            c->accept();
        });
        answer.start(50);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        closer.start(30000);

        const QString address = QStringLiteral("smb://127.0.0.1:%1/share").arg(server.port());
        QVERIFY(!w.tree->openAddress(address));
        QTRY_VERIFY2_WITH_TIMEOUT(isOnNetworkPlace(w.tree->location().path),
                                  qPrintable(prompts.join(',') + '|' + w.messages.errors.join('|')),
                                  20000);
        QCOMPARE(prompts, (QStringList{"plain", "refused"}));
        const QString path = w.tree->location().path;
        QVERIFY(isOnNetworkPlace(path));
        QCOMPARE(w.combo.currentText(), address);
        QVERIFY(test::waitListed(&w.list));
        QTRY_COMPARE(listed(w.list), QStringList{"hello.txt"});

        const QByteArray there = QFile::encodeName(path);
        QCOMPARE(
            run(new FileTransfer(JobKind::Copy, {QFile::encodeName(local + "/up.txt")}, there)),
            QStringList());
        QCOMPARE(
            run(new FileTransfer(JobKind::Copy, {there + "/hello.txt"}, QFile::encodeName(local))),
            QStringList());
        QCOMPARE(readFile(server.share() + "/up.txt"), QByteArray("from here"));
        QCOMPARE(readFile(local + "/hello.txt"), QByteArray("hello from the share"));
        QCOMPARE(run(Jobs::rename(there + "/up.txt", "renamed.txt")), QStringList());
        QVERIFY(QFile::exists(server.share() + "/renamed.txt"));
        QCOMPARE(run(Jobs::erase({there + "/renamed.txt"})), QStringList());
        QVERIFY(!QFile::exists(server.share() + "/renamed.txt"));

        // Disconnected by the user from the dialog.
        bool asked = false;
        QTimer pick;
        QObject::connect(&pick, &QTimer::timeout, [&] {
            auto *d = test::shownDialog<DisconnectNetworkDriveDialog>();
            auto *list = d ? d->findChild<QListWidget *>("locations") : nullptr;
            if (!list)
                return;
            if (list->count() == 0 || !list->isVisible()) {
                d->close();
                return;
            }
            if (auto *button = d->findChild<QPushButton *>("disconnect"); button && !asked) {
                list->setCurrentRow(0);
                list->item(0)->setSelected(true);
                asked = button->isEnabled();
                button->click();
            }
        });
        pick.start(50);
        w.tree->DisconnectNetworkDriveDialog();
        QTRY_COMPARE(w.tree->location(), Location::special(MyComputerSpace));
        QVERIFY(!w.place("share on 127.0.0.1").isValid());
        QTest::qWait(300);
        QVERIFY2(w.messages.errors.isEmpty(), qPrintable(w.messages.errors.join('\n')));
    }
};

TARNWICK_TEST_MAIN(TestNetworkPlaces)
#include "test_networkplaces.moc"
