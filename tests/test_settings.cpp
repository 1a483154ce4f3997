#include "preferences.h"
#include "program.h"
#include "settingsstore.h"
#include "testenv.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

// A read or write that blocks or never ends kills the test run rather than
// hanging it.
struct Deadline
{
    explicit Deadline(unsigned seconds) { alarm(seconds); }
    ~Deadline() { alarm(0); }
};

struct stat entryAt(const QString &path)
{
    struct stat st = {};
    lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

} // namespace

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
        QVERIFY(test::removeTree(dir_.path()));
        QVERIFY(QDir().mkpath(dir_.path()));
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
        QTest::newRow("dotted") << "/opt/tarn.wick.bin"
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

    // A value that would take the file past what the store reads is refused:
    // written, it would make every other setting read as a default, and the
    // next write would set the whole file aside.
    void valueTooBigForTheFileIsRefused()
    {
        SettingsStore store(file());
        Preferences prefs(store);
        QVERIFY(prefs.write(Pref::View, QStringLiteral("3")));
        const QString big(300 * 1024, QChar(0x1f)); // escaped, four bytes each
        QVERIFY(prefs.write(filterPref(1), QString(100 * 1024, QLatin1Char('x'))));
        const QByteArray before = readAll(file());
        QString failure;
        store.setWriteFailureHandler([&](const QString &message) { failure = message; });
        QVERIFY(!prefs.write(filterPref(2), big));
        QVERIFY2(failure.contains(QStringLiteral("1024 KiB")), qPrintable(failure));
        QCOMPARE(readAll(file()), before);
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("3"));
        QVERIFY(prefs.write(filterPref(2), QStringLiteral("*.ok")));
        QCOMPARE(SettingsStore(file()).read(Preferences::Section, QStringLiteral("filter2")),
                 QStringLiteral("*.ok"));
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

    void handEditedValues_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected"); // of filter1
        QTest::newRow("byte-order mark")
            << QByteArray("\xef\xbb\xbf[Settings]\nfilter1=*.md\n") << "*.md";
        QTest::newRow("semicolons") << QByteArray("[Settings]\nfilter1=*.cpp;*.h\n") << "*.cpp;*.h";
        QTest::newRow("commas") << QByteArray("[Settings]\nfilter1=a,b\n") << "a,b";
        QTest::newRow("spacing and CR LF")
            << QByteArray("[Settings]\r\n  filter1 = *.txt \r\n") << "*.txt";
        QTest::newRow("later line wins")
            << QByteArray("[Settings]\nfilter1=a\n[Other]\nfilter1=b\n[Settings]\nfilter1=c\n")
            << "c";
    }
    void handEditedValues()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QVERIFY(test::writeFile(file(), content));
        SettingsStore store(file());
        QCOMPARE(Preferences(store).read(filterPref(1)), expected);
    }

    // Earlier versions wrote through QSettings: what they wrote reads the
    // same, and what is written now they read the same.
    void valuesAsEarlierVersionsStoreThem_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("comma and space") << "a, b";
        QTest::newRow("leading space") << " lead";
        QTest::newRow("trailing space") << "trail ";
        QTest::newRow("semicolons") << "*.cpp;*.h";
        QTest::newRow("equals") << "x=y";
        QTest::newRow("quotes") << "say \"hi\"";
        QTest::newRow("backslashes") << "C:\\dir\\x";
        QTest::newRow("tab") << "tab\there";
        QTest::newRow("line break") << "two\nlines";
        QTest::newRow("at") << "@home";
        QTest::newRow("two ats") << "@@twice";
        QTest::newRow("unicode") << "*.Ü€";
        QTest::newRow("outside the basic plane") << "\U0001F600 *.png";
        QTest::newRow("empty") << "";
        QTest::newRow("control then hex digits") << "\x01"
                                                    "7f";
        QTest::newRow("section-like") << "[Settings]";
    }
    void valuesAsEarlierVersionsStoreThem()
    {
        QFETCH(QString, value);
        {
            QSettings earlier(file(), QSettings::IniFormat);
            earlier.setValue(QStringLiteral("Settings/filter1"), value);
        }
        SettingsStore store(file());
        QCOMPARE(store.read(Preferences::Section, QStringLiteral("filter1")), value);
        QVERIFY(store.write(Preferences::Section, QStringLiteral("filter2"), value));
        QCOMPARE(store.read(Preferences::Section, QStringLiteral("filter2")), value);
        QSettings earlier(file(), QSettings::IniFormat);
        QCOMPARE(earlier.value(QStringLiteral("Settings/filter2")).toString(), value);
        QCOMPARE(earlier.value(QStringLiteral("Settings/filter1")).toString(), value);
    }

    // A write changes only the line of its key, or adds one to its section.
    void writeKeepsTheRestOfTheFile_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("pref");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("comments and unknown keys")
            << QByteArray("; mine\n[Settings]\n# dark\nview=1\nColour=blue\n\n[Plugins]\nzip=on\n")
            << int(Pref::View) << "3"
            << QByteArray("; mine\n[Settings]\n# dark\nview=3\nColour=blue\n\n[Plugins]\nzip=on\n");
        QTest::newRow("new key at the end of its section")
            << QByteArray("[Settings]\nview=1\n; plugins\n\n[Plugins]\nzip=on\n")
            << int(Pref::Button) << "List"
            << QByteArray("[Settings]\nview=1\nbutton=List\n; plugins\n\n[Plugins]\nzip=on\n");
        QTest::newRow("spacing and byte-order mark")
            << QByteArray("\xef\xbb\xbf[Settings]\n  view = 1\nfilter1=a\n") << int(Pref::View)
            << "2" << QByteArray("\xef\xbb\xbf[Settings]\n  view = 2\nfilter1=a\n");
        QTest::newRow("CR LF line ends")
            << QByteArray("[Settings]\r\nview=1\r\n") << int(Pref::Button) << "List"
            << QByteArray("[Settings]\r\nview=1\r\nbutton=List\r\n");
        QTest::newRow("no final line end")
            << QByteArray("[Settings]\nview=1") << int(Pref::Button) << "List"
            << QByteArray("[Settings]\nview=1\nbutton=List\n");
        QTest::newRow("empty file")
            << QByteArray() << int(Pref::View) << "2" << QByteArray("[Settings]\nview=2\n");
        QTest::newRow("quoted as earlier versions")
            << QByteArray("[Settings]\n") << int(filterPref(1)) << " a;b"
            << QByteArray("[Settings]\nfilter1=\" a;b\"\n");
    }
    void writeKeepsTheRestOfTheFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, pref);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QVERIFY(test::writeFile(file(), before));
        SettingsStore store(file());
        QVERIFY(Preferences(store).write(Pref(pref), value));
        QCOMPARE(readAll(file()), after);
    }

    void garbageFileReadsDefaultsAndIsKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe[Settings\x00view=3\n", 18);
        QTest::newRow("unclosed section") << QByteArray("[Settings\nview=3\n");
        QTest::newRow("not ini") << QByteArray("view 3\nbutton: List\n");
        QTest::newRow("other key=value lines") << QByteArray("view=3\nbutton=List\n");
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

    // Nothing at the path but a file of ours is ever read or written; what is
    // there is moved aside by the next write (a link, not what it points to).
    void strangeEntryReadsDefaultsAndIsSetAside_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"fifo", "link to a device", "link to a foreign file", "2 MiB"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void strangeEntryReadsDefaultsAndIsSetAside()
    {
        QFETCH(QString, kind);
        const QByteArray path = QFile::encodeName(file());
        const QString foreign = dir_.filePath(QStringLiteral("other/app.conf"));
        const QByteArray foreignText = "view=3\nname=value\n";
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
        } else if (kind == QLatin1String("link to a device")) {
            QCOMPARE(symlink("/dev/zero", path.constData()), 0);
        } else if (kind == QLatin1String("link to a foreign file")) {
            QVERIFY(test::writeFile(foreign, foreignText));
            QCOMPARE(symlink(QFile::encodeName(foreign).constData(), path.constData()), 0);
        } else {
            QByteArray big = "[Settings]\nview=3\n";
            for (int i = 0; big.size() < 2 * 1024 * 1024; ++i)
                big += "key" + QByteArray::number(i) + "=some value\n";
            QVERIFY(test::writeFile(file(), big));
        }
        const struct stat before = entryAt(file());

        SettingsStore store(file());
        Preferences prefs(store);
        {
            const Deadline deadline(20);
            QCOMPARE(prefs.read(Pref::View), QStringLiteral("1"));
            QVERIFY(prefs.write(Pref::View, QStringLiteral("2")));
        }
        const struct stat aside = entryAt(file() + QStringLiteral(".bad"));
        QCOMPARE(aside.st_ino, before.st_ino);
        QCOMPARE(aside.st_mode, before.st_mode);
        QCOMPARE(readAll(file()), QByteArray("[Settings]\nview=2\n"));
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("2"));
        if (kind == QLatin1String("link to a foreign file"))
            QCOMPARE(readAll(foreign), foreignText);
    }

    void earlierBadFilesAreKept()
    {
        const QString bad = file() + QStringLiteral(".bad");
        QVERIFY(test::writeFile(bad, "oldest"));
        SettingsStore store(file());
        for (const char *garbage : {"first\n", "second\n"}) {
            QVERIFY(test::writeFile(file(), garbage));
            QVERIFY(Preferences(store).write(Pref::View, QStringLiteral("2")));
        }
        QCOMPARE(readAll(bad), QByteArray("oldest"));
        QCOMPARE(readAll(bad + QStringLiteral(".1")), QByteArray("first\n"));
        QCOMPARE(readAll(bad + QStringLiteral(".2")), QByteArray("second\n"));
    }

    // Settings kept in a dotfile repository stay there, under their link.
    void writeGoesThroughALink()
    {
        const QString target = dir_.filePath(QStringLiteral("dotfiles/tarnwick.ini"));
        QVERIFY(test::writeFile(target, "; in git\n[Settings]\nview=1\n"));
        QVERIFY(
            QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        QCOMPARE(symlink("dotfiles/tarnwick.ini", QFile::encodeName(file()).constData()), 0);
        SettingsStore store(file());
        QVERIFY(Preferences(store).write(Pref::View, QStringLiteral("3")));
        QCOMPARE(QFileInfo(file()).symLinkTarget(), target);
        QCOMPARE(readAll(target), QByteArray("; in git\n[Settings]\nview=3\n"));
        QCOMPARE(entryAt(target).st_mode & 0777, mode_t(0640));
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("tarnwick.ini")});
    }

    void readOnlyFolderKeepsTheFile()
    {
        if (geteuid() == 0)
            QSKIP("root may write into a read-only folder");
        const QString folder = dir_.filePath(QStringLiteral("ro"));
        const QString path = folder + QStringLiteral("/tarnwick.ini");
        const QByteArray text = "; mine\n[Settings]\nview=1\n";
        QVERIFY(test::writeFile(path, text));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        SettingsStore store(path);
        const bool written = Preferences(store).write(Pref::View, QStringLiteral("3"));
        const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY(!written);
        QCOMPARE(readAll(path), text);
        QCOMPARE(entries, QStringList{QStringLiteral("tarnwick.ini")});
        QCOMPARE(Preferences(store).read(Pref::View), QStringLiteral("1"));
    }

    // The writers ignore the result: the user hears of the first failure of
    // a run in a box, of later ones only on standard error.
    void failedWriteIsShownOnce()
    {
        QVERIFY(test::writeFile(dir_.filePath(QStringLiteral("plainfile"))));
        const QString path = dir_.filePath(QStringLiteral("plainfile/tarnwick.ini"));
        test::RecordingMessages messages;
        Program program(
            path, [](int) {}, messages);
        QVERIFY(!program.prefs().write(Pref::View, QStringLiteral("2")));
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(messages.errors[0].contains(path), qPrintable(messages.errors[0]));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        QVERIFY(!program.prefs().write(Pref::Button, QStringLiteral("List")));
        QCOMPARE(messages.errors.size(), 1);
    }

    // The file is parsed once per change, yet every read sees what another
    // copy of the program wrote.
    void readsAreCheapAndCurrent()
    {
        QByteArray big = "[Settings]\nview=3\n";
        for (int i = 0; big.size() < 900 * 1024; ++i)
            big += "key" + QByteArray::number(i) + "=some value\n";
        QVERIFY(test::writeFile(file(), big));
        SettingsStore store(file());
        Preferences prefs(store);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 2000 && !timer.hasExpired(5000); ++i)
            QCOMPARE(prefs.read(Pref::View), QStringLiteral("3"));
        QVERIFY2(!timer.hasExpired(5000), "2000 reads of an unchanged file took over 5 s");

        SettingsStore other(file());
        QVERIFY(Preferences(other).write(Pref::View, QStringLiteral("2")));
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("2"));
        // An editor saving in place keeps the file's identity but not its size.
        QVERIFY(test::writeFile(file(), "[Settings]\nview=0\n"));
        QCOMPARE(prefs.read(Pref::View), QStringLiteral("0"));
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
