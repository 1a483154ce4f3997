#include "preferences.h"
#include "settingsstore.h"
#include "testenv.h"

#include <QProcess>

using namespace tarnwick;

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString file() const { return dir_.filePath(QStringLiteral("tarnwick.ini")); }

    static QByteArray readAll(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void cleanup()
    {
        QFile::remove(file());
        QFile::remove(file() + QStringLiteral(".bad"));
    }

    void applicationName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << "/usr/bin/tarnwick"
                               << "tarnwick";
        QTest::newRow("extension") << "/opt/x/tarnwick.exe"
                                   << "tarnwick";
        QTest::newRow("renamed copy") << "/home/u/bin/explorer2"
                                      << "explorer2";
        QTest::newRow("dotted") << "/tmp/tarn.wick.bin"
                                << "tarn.wick";
    }
    void applicationName()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(SettingsStore::applicationNameFromPath(path), name);
    }

    void fileFollowsConfigHome()
    {
        QCOMPARE(SettingsStore::defaultFilePath(QStringLiteral("tarnwick")),
                 QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) +
                     QStringLiteral("/tarnwick.ini"));
    }

    void defaultsOfEmptyStore_data()
    {
        QTest::addColumn<int>("pref");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("view") << int(Pref::View) << "view"
                              << "1";
        QTest::newRow("button") << int(Pref::Button) << "button"
                                << "Details";
        QTest::newRow("toolbar") << int(Pref::Toolbar) << "toolbar"
                                 << "small";
        QTest::newRow("hidden") << int(Pref::HiddenFiles) << "HiddenFiles"
                                << "1";
        QTest::newRow("rename") << int(Pref::Rename) << "Rename"
                                << "1";
        QTest::newRow("system") << int(Pref::SystemFiles) << "SystemFiles"
                                << "1";
        QTest::newRow("filter1") << int(filterPref(1)) << "filter1"
                                 << "";
        QTest::newRow("filter12") << int(filterPref(12)) << "filter12"
                                  << "";
        QTest::newRow("height") << int(Pref::Height) << "Height"
                                << "15000";
        QTest::newRow("width") << int(Pref::Width) << "Width"
                               << "20000";
    }
    void defaultsOfEmptyStore()
    {
        QFETCH(int, pref);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        SettingsStore store(file());
        Preferences prefs(store);
        QCOMPARE(QString::fromLatin1(prefKey(Pref(pref)).name), key);
        QCOMPARE(prefs.read(Pref(pref)), expected);
        QVERIFY2(!QFile::exists(file()), "reading must not create the file");
    }

    void storedValues_data()
    {
        QTest::addColumn<int>("pref");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("view 3") << int(Pref::View) << "3"
                                << "3";
        QTest::newRow("view 0") << int(Pref::View) << "0"
                                << "0";
        QTest::newRow("view 7") << int(Pref::View) << "7"
                                << "1";
        QTest::newRow("view x") << int(Pref::View) << "x"
                                << "1";
        QTest::newRow("view 03") << int(Pref::View) << "03"
                                 << "1";
        QTest::newRow("button List") << int(Pref::Button) << "List"
                                     << "List";
        QTest::newRow("button unknown") << int(Pref::Button) << "Thumbnails"
                                        << "Details";
        QTest::newRow("button case") << int(Pref::Button) << "details"
                                     << "Details";
        QTest::newRow("toolbar large") << int(Pref::Toolbar) << "large"
                                       << "large";
        QTest::newRow("toolbar Small kept") << int(Pref::Toolbar) << "Small"
                                            << "Small";
        QTest::newRow("hidden 0") << int(Pref::HiddenFiles) << "0"
                                  << "0";
        QTest::newRow("hidden yes") << int(Pref::HiddenFiles) << "yes"
                                    << "1";
        QTest::newRow("rename true") << int(Pref::Rename) << "true"
                                     << "1";
        QTest::newRow("system empty") << int(Pref::SystemFiles) << ""
                                      << "1";
        QTest::newRow("filter text") << int(filterPref(3)) << "*.cpp;*.h"
                                     << "*.cpp;*.h";
        QTest::newRow("filter with comma") << int(filterPref(4)) << "a, b"
                                           << "a, b";
        QTest::newRow("filter unicode") << int(filterPref(5)) << "*.Ü€"
                                        << "*.Ü€";
        QTest::newRow("height float") << int(Pref::Height) << "7234.5"
                                      << "7234.5";
        QTest::newRow("height text") << int(Pref::Height) << "tall"
                                     << "15000";
        QTest::newRow("width negative") << int(Pref::Width) << "-20"
                                        << "20000";
    }
    void storedValues()
    {
        QFETCH(int, pref);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        SettingsStore store(file());
        Preferences prefs(store);
        QVERIFY(prefs.write(Pref(pref), stored));
        QCOMPARE(prefs.read(Pref(pref)), expected);
    }

    void writeIsOnDiskAtOnce()
    {
        SettingsStore store(file());
        Preferences(store).write(Pref::View, QStringLiteral("2"));
        const QByteArray text = readAll(file());
        QVERIFY2(text.contains("[Settings]"), text.constData());
        QVERIFY2(text.contains("view=2"), text.constData());
        // Another store on the same file (another copy of the program) sees it.
        SettingsStore other(file());
        QCOMPARE(Preferences(other).read(Pref::View), QStringLiteral("2"));
    }

    void handEditedFile()
    {
        QVERIFY(test::writeFile(file(), "[Settings]\nview=3\nbutton=List\ntoolbar=large\n"
                                        "filter2=*.md\nHiddenFiles=0\n"));
        SettingsStore store(file());
        Preferences prefs(store);
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("3"));
        QCOMPARE(prefs.read(Pref::Button), QStringLiteral("List"));
        QCOMPARE(prefs.read(Pref::Toolbar), QStringLiteral("large"));
        QCOMPARE(prefs.read(filterPref(2)), QStringLiteral("*.md"));
        QCOMPARE(prefs.read(Pref::HiddenFiles), QStringLiteral("0"));
        QCOMPARE(prefs.read(Pref::Rename), QStringLiteral("1"));
    }

    void garbageFileReadsDefaultsAndIsKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe[Settings\x00view=3\n", 18);
        QTest::newRow("unclosed section") << QByteArray("[Settings\nview=3\n");
        QTest::newRow("not ini") << QByteArray("view 3\nbutton: List\n");
        QTest::newRow("invalid utf-8") << QByteArray("[Settings]\nview=\xff\xfe"
                                                     "3\n");
    }
    void garbageFileReadsDefaultsAndIsKept()
    {
        QFETCH(QByteArray, content);
        QVERIFY(test::writeFile(file(), content));
        SettingsStore store(file());
        Preferences prefs(store);
        for (int p = 0; p <= int(Pref::Width); ++p)
            QCOMPARE(prefs.read(Pref(p)), QString::fromLatin1(prefKey(Pref(p)).fallback));
        QCOMPARE(readAll(file()), content);

        // The next write replaces it and keeps the old text beside it.
        QVERIFY(prefs.write(Pref::View, QStringLiteral("2")));
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("2"));
        QCOMPARE(readAll(file() + QStringLiteral(".bad")), content);
    }

    void unwritableStoreReportsFailure()
    {
        // A folder that cannot be made (its parent is a file) fails even for root.
        QVERIFY(test::writeFile(dir_.filePath(QStringLiteral("plainfile"))));
        SettingsStore store(dir_.filePath(QStringLiteral("plainfile/tarnwick.ini")));
        QVERIFY(!Preferences(store).write(Pref::View, QStringLiteral("2")));
    }

    void twoWritersLoseNothing()
    {
        const QString writer =
            QCoreApplication::applicationDirPath() + QStringLiteral("/settings_writer");
        QVERIFY(QFile::exists(writer));
        constexpr int perWriter = 60;
        QProcess a, b;
        a.start(writer, {file(), QStringLiteral("a"), QString::number(perWriter)});
        b.start(writer, {file(), QStringLiteral("b"), QString::number(perWriter)});
        QVERIFY(a.waitForFinished(60000));
        QVERIFY(b.waitForFinished(60000));
        QCOMPARE(a.exitCode(), 0);
        QCOMPARE(b.exitCode(), 0);
        SettingsStore store(file());
        for (int i = 0; i < perWriter; ++i) {
            for (const char *who : {"a", "b"}) {
                const QString key = QString::fromLatin1(who) + QString::number(i);
                QCOMPARE(store.read(Preferences::Section, key), key);
            }
        }
    }
};

TARNWICK_TEST_MAIN(TestSettings)
#include "test_settings.moc"
