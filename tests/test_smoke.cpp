#include "testenv.h"

#include <QProcess>
#include <csignal>

// Starts the real program offscreen, as a user would, and ends it.
class TestSmoke : public QObject
{
    Q_OBJECT

    static QProcessEnvironment environment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return env;
    }

private slots:
    void startsShowsAndEndsCleanly()
    {
        QProcess app;
        app.setProcessEnvironment(environment());
        app.setProgram(QStringLiteral(TARNWICK_EXE));
        app.start();
        QVERIFY(app.waitForStarted());
        // Still running after a while: it did not crash on the way up.
        QVERIFY2(!app.waitForFinished(1500), app.readAllStandardError().constData());
        // A session ending sends SIGTERM: the orderly end, exit status 0.
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
        QVERIFY2(!app.readAllStandardError().contains("ERROR"), "no errors reported");
    }

    void garbageSettingsDoNotStopIt()
    {
        const QString config = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"));
        const QByteArray garbage("\x01\x02[Settings\nview=9\x00\xff", 20);
        QVERIFY(tarnwick::test::writeFile(config + QStringLiteral("/tarnwick.ini"), garbage));
        QProcess app;
        app.setProcessEnvironment(environment());
        app.start(QStringLiteral(TARNWICK_EXE));
        QVERIFY(app.waitForStarted());
        QVERIFY(!app.waitForFinished(1500));
        ::kill(pid_t(app.processId()), SIGTERM);
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.exitCode(), 0);
        QFile f(config + QStringLiteral("/tarnwick.ini"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), garbage); // reading never rewrites the file
    }
};

TARNWICK_TEST_MAIN(TestSmoke)
#include "test_smoke.moc"
