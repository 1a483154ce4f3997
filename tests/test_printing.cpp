// Print: the listing file byte for byte, the staging box's fonts, the printer
// dialog as it is set up, and a real print to a PDF file, on folders the
// tests make.
#include "contentslisting.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "form1.h"
#include "harness.h"
#include "location.h"
#include "panels.h"
#include "rawpaths.h"

#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextDocument>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The time column as the locale writes it, worked out here on its own.
QString expectedTime(const QDateTime &when)
{
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + locale.toString(when.time(), QLocale::ShortFormat);
}

QString expectedTime(const QString &path)
{
    return expectedTime(QFileInfo(path).lastModified());
}

QString kib(const QString &path)
{
    const qint64 size = QFileInfo(path).size();
    return QString::number((size + 1023) / 1024) + QLatin1String("kb");
}

void setTime(const QString &path, const QDateTime &when)
{
    const struct timespec times[2] = {{when.toSecsSinceEpoch(), 0}, {when.toSecsSinceEpoch(), 0}};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

QString tool(const char *name)
{
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString cwd_;

    QString path(const QString &name) const { return dir_.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // The listing file goes to the working folder: make it ours.
        cwd_ = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir_.path()));
    }
    void cleanupTestCase()
    {
        QDir::setCurrent(cwd_);
        // Holds a name that is not UTF-8, which QDir cannot remove.
        test::removeTree(dir_.path());
    }

    void cutPositionAndNameField_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("attributes");
        QTest::addColumn<int>("cut");
        QTest::addColumn<QString>("field");
        const auto spaces = [](int n) { return QString(n, QLatin1Char(' ')); };
        QTest::newRow("root") << "/"
                              << "/etc" << 16 << 2 << "etc" + spaces(27);
        QTest::newRow("a folder") << "/home/me/Data"
                                  << "/home/me/Data/a.txt" << 0 << 15 << "a.txt" + spaces(25);
        QTest::newRow("40 characters, file")
            << "/d"
            << "/d/" + QString(40, 'n') << 32 << 4 << QString(30, 'n');
        QTest::newRow("40 characters, hidden folder")
            << "/d"
            << "/d/." + QString(39, 'h') << 18 << 4 << "." + QString(31, 'h');
        QTest::newRow("exactly the width")
            << "/d"
            << "/d/" + QString(30, 'x') << 0 << 4 << QString(30, 'x');
        QTest::newRow("characters beyond the first plane")
            << "/d" << QString::fromUtf8("/d/\U0001F4C1 x") << 16 << 4
            << QString::fromUtf8("\U0001F4C1 x") + spaces(27);
        QTest::newRow("no folder path: whole path, whole run, marked")
            << ""
            << "/home/me" << 16 << 0 << "/home/me" + spaces(83);
        QTest::newRow("no folder path: whole path, whole run, plain")
            << ""
            << "/x" << 0 << 0 << "/x" + spaces(81);
    }

    void cutPositionAndNameField()
    {
        QFETCH(QString, folder);
        QFETCH(QString, item);
        QFETCH(int, attributes);
        QFETCH(int, cut);
        QFETCH(QString, field);
        QCOMPARE(listing::cutPosition(folder), cut);
        QCOMPARE(listing::nameField(item, cut, listing::markerFor(std::uint32_t(attributes))),
                 field);
    }

    void markers_data()
    {
        QTest::addColumn<int>("attributes");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<int>("width");
        QTest::newRow("folder") << 16 << ";;;" << 30;
        QTest::newRow("read-only folder") << 17 << ";;;" << 32;
        QTest::newRow("hidden folder") << 18 << ";;;" << 32;
        QTest::newRow("hidden system folder") << 22 << "|||" << 32;
        QTest::newRow("system folder") << 20 << "" << 30;
        QTest::newRow("folder with archive bit") << 48 << "" << 30;
        QTest::newRow("read-only hidden folder") << 19 << "" << 30;
        QTest::newRow("file") << 0 << "" << 30;
        QTest::newRow("hidden file") << 2 << "" << 30;
    }

    void markers()
    {
        QFETCH(int, attributes);
        QFETCH(QString, marker);
        QFETCH(int, width);
        const listing::Marker m = listing::markerFor(std::uint32_t(attributes));
        QCOMPARE(QString::fromLatin1(m.text), marker);
        QCOMPARE(m.width, width);
    }

    void sizes_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << qint64(0) << "0kb";
        QTest::newRow("one byte") << qint64(1) << "1kb";
        QTest::newRow("1024") << qint64(1024) << "1kb";
        QTest::newRow("1025") << qint64(1025) << "2kb";
        QTest::newRow("2 GiB") << (qint64(2) << 30) << "2097152kb";
        QTest::newRow("5 TB") << qint64(5'000'000'000'000) << "4882812500kb";
    }

    void sizes()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(listing::sizeText(bytes), text);
    }

    void times_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *name : {"C", "en_US", "de_DE", "ja_JP", "ar_EG"})
            QTest::newRow(name) << name;
    }

    // The cached formatting gives what the locale gives for each time, and
    // the date alone at exactly midnight.
    void times()
    {
        QFETCH(QString, locale);
        const QLocale l(locale);
        listing::TimeText text(l);
        const QDate day(2024, 3, 5);
        for (const QTime &t : {QTime(0, 0), QTime(0, 0, 1), QTime(0, 1), QTime(13, 7, 9),
                               QTime(13, 7, 9), QTime(23, 59, 59), QTime(0, 0)}) {
            const QDateTime when(day, t);
            const QString date = l.toString(day, QLocale::ShortFormat);
            const QString expected =
                t == QTime(0, 0) ? date
                                 : date + QLatin1Char(' ') + l.toString(t, QLocale::ShortFormat);
            QCOMPARE(text(when.toSecsSinceEpoch()), expected);
        }
    }

    // Every marker row the system can make, both widths, a long name, the
    // marker texts inside names, an empty file, midnight, a big sparse file,
    // a name that is not UTF-8, and items that cannot be read.
    void listingFileBytes()
    {
        const QString folder = path("list;;;here");
        QVERIFY(QDir().mkpath(folder));
        const auto in = [&](const QString &name) { return folder + QLatin1Char('/') + name; };
        QVERIFY(QDir().mkpath(in("sub")));
        QVERIFY(QDir().mkpath(in(".hidden dir with a long name")));
        QVERIFY(QDir().mkpath(in("a;;;b")));
        QVERIFY(test::writeFile(in("x|||y.txt"), "hello"));
        QVERIFY(test::writeFile(in("new\nline\r.txt"), "n"));
        QVERIFY(test::writeFile(in(";;;lead.txt"), "l"));
        QVERIFY(test::writeFile(in("empty.txt")));
        QVERIFY(test::writeFile(in(QString(40, 'n')), QByteArray(1025, 'x')));
        QVERIFY(test::writeFile(in("midnight.txt"), "m"));
        setTime(in("midnight.txt"), QDateTime(QDate(2024, 3, 5), QTime(0, 0)));
        {
            QFile big(in("big.img"));
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(qint64(3) << 30)); // sparse: nothing written
        }
        QCOMPARE(mkfifo(QFile::encodeName(in("pipe")).constData(), 0600), 0);
        QVERIFY(QFile::link(in("sub"), in("link to sub")));
        QVERIFY(QFile::link(in("nowhere"), in("dangling")));
        const QByteArray oddBytes = QFile::encodeName(folder) + "/caf\xe9";
        const int odd = ::open(oddBytes.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        QVERIFY(odd >= 0 && ::write(odd, "odd", 3) == 3);
        ::close(odd);

        const QStringList names{"sub",
                                ".hidden dir with a long name",
                                "a;;;b",
                                "x|||y.txt",
                                "new\nline\r.txt",
                                ";;;lead.txt",
                                "empty.txt",
                                QString(40, 'n'),
                                "midnight.txt",
                                "big.img",
                                "pipe",
                                "link to sub",
                                "dangling",
                                "vanished"};
        QList<QString> items;
        for (const QString &n : names)
            items << in(n);
        items << rawpath::toText(oddBytes);

        const listing::Result r = listing::build(folder, items);
        QVERIFY2(r.items == 13, r.file.constData());
        QCOMPARE(r.skipped, 2); // the dangling link and the vanished item
        QVERIFY(!r.cutFailed);

        const auto pad = [](const QString &s, int w) { return s.leftJustified(w, ' ', true); };
        QByteArray expected = "Contents of '" + folder.toUtf8() + "'\r\n \r\n";
        const auto line = [&](const QString &marker, const QString &name, int width,
                              const QString &file) {
            expected +=
                (marker + pad(name, width) + kib(file) + expectedTime(file)).toUtf8() + "\r\n";
        };
        line(";;;", "sub", 30, in("sub"));
        line(";;;", ".hidden dir with a long name", 32, in(".hidden dir with a long name"));
        line(";;;", "a;;;b", 30, in("a;;;b"));
        line("", "x|||y.txt", 30, in("x|||y.txt"));
        // Written as the list shows it: the name cannot break its line.
        line("", "new\\nline\\r.txt", 30, in("new\nline\r.txt"));
        line("", ";;;lead.txt", 30, in(";;;lead.txt"));
        line("", "empty.txt", 30, in("empty.txt"));
        line("", QString(40, 'n'), 30, in(QString(40, 'n')));
        line("", "midnight.txt", 30, in("midnight.txt"));
        line("", "big.img", 30, in("big.img"));
        line("", "pipe", 30, in("pipe"));
        line(";;;", "link to sub", 30, in("link to sub"));
        struct stat oddStat;
        QCOMPARE(::stat(oddBytes.constData(), &oddStat), 0);
        expected += "caf\xe9" + QByteArray(26, ' ') + "1kb" +
                    expectedTime(QDateTime::fromSecsSinceEpoch(oddStat.st_mtime)).toUtf8() + "\r\n";
        QCOMPARE(r.file, expected);
        QVERIFY(r.file.contains("0kbempty") == false); // the time follows "kb" directly
        QVERIFY(r.file.contains("empty.txt                     0kb"));
        QVERIFY(r.file.contains("big.img                       3145728kb"));
        QVERIFY(r.file.contains(
            "midnight.txt                  1kb" +
            QLocale::system().toString(QDate(2024, 3, 5), QLocale::ShortFormat).toUtf8() + "\r\n"));
        // What the user reads shows the byte that is not UTF-8 as U+FFFD.
        QVERIFY(r.text.contains(QString::fromUtf8("caf\xef\xbf\xbd")));
        QCOMPARE(r.text.count(QLatin1Char('\n')), 14);
        // Only the lines of the marked kinds begin with a marker.
        QCOMPARE(r.markedLines, (QList<int>{2, 3, 4, 13}));
    }

    void emptyAndHugeFolders()
    {
        const listing::Result empty = listing::build(QStringLiteral("/nowhere"), {});
        QCOMPARE(empty.file, QByteArray("Contents of '/nowhere'\r\n \r\n"));

        // Past 32,767 items every one is still listed.
        const QString folder = path("many");
        QVERIFY(QDir().mkpath(folder));
        QList<QString> items;
        for (int i = 0; i < 40000; ++i) {
            const QString p = folder + QStringLiteral("/f%1").arg(i);
            QVERIFY(test::writeFile(p));
            items << p;
        }
        const listing::Result r = listing::build(folder, items);
        QCOMPARE(r.items, 40000);
        QCOMPARE(r.file.count("\r\n"), 40002);
        QVERIFY(r.file.contains("\r\nf39999 "));
        removeTreeLater_ << folder;
    }

    void listingFileIsReplacedNeverFollowed_data()
    {
        QTest::addColumn<QString>("there");
        QTest::newRow("nothing") << "nothing";
        QTest::newRow("an older listing") << "file";
        QTest::newRow("a link to another file") << "link";
        QTest::newRow("a hard link to another file") << "hardlink";
        QTest::newRow("a FIFO") << "fifo";
        QTest::newRow("a dangling link") << "dangling";
    }

    void listingFileIsReplacedNeverFollowed()
    {
        QFETCH(QString, there);
        const QString folder = path("cwd-" + there);
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + "/XTemp.txt";
        const QString victim = path("victim-" + there);
        QVERIFY(test::writeFile(victim, "precious"));
        if (there == "file") {
            QVERIFY(test::writeFile(target, "an older and much longer listing"));
            QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner));
        } else if (there == "link") {
            QVERIFY(QFile::link(victim, target));
        } else if (there == "hardlink") {
            QCOMPARE(::link(QFile::encodeName(victim).constData(),
                            QFile::encodeName(target).constData()),
                     0);
        } else if (there == "fifo") {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (there == "dangling") {
            QVERIFY(QFile::link(path("nowhere"), target));
        }

        QCOMPARE(listing::replaceFile(QFile::encodeName(folder), "XTemp.txt", "new\r\n"), 0);
        struct stat st;
        QCOMPARE(lstat(QFile::encodeName(target).constData(), &st), 0);
        QVERIFY(S_ISREG(st.st_mode));
        QCOMPARE(readAll(target), QByteArray("new\r\n"));
        QCOMPARE(readAll(victim), QByteArray("precious"));
        QVERIFY(!QFileInfo::exists(path("nowhere")));
        if (there == "file")
            QCOMPARE(st.st_mode & 0777, mode_t(0600));
        // No temporary file left beside it.
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"XTemp.txt"});
    }

    void listingFileNotWritable()
    {
        const QString folder = path("cwd-dir");
        QVERIFY(QDir().mkpath(folder + "/XTemp.txt/inside"));
        QCOMPARE(listing::replaceFile(QFile::encodeName(folder), "XTemp.txt", "x"), EISDIR);
        QVERIFY(QFileInfo(folder + "/XTemp.txt/inside").isDir());
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"XTemp.txt"});
        QCOMPARE(listing::replaceFile(QFile::encodeName(path("gone")), "XTemp.txt", "x"), ENOENT);
    }

    // The box holds the text with the marker that begins each marked line
    // turned into its glyph, in its own font; the same characters in a name,
    // the folder or an unmarked line stay as they are.
    void stagingFonts()
    {
        Form1 form;
        form.loadListing(QStringLiteral("Contents of '/a;;;b'\n \n;;;sub  1kb\n|||sys;;;;x\n"
                                        ";;;plain|||\n|||sys2"),
                         {2, 3, 5});
        QTextDocument *doc = form.box()->document();
        QCOMPARE(doc->toPlainText(),
                 QStringLiteral("Contents of '/a;;;b'\n \n1sub  1kb\nqsys;;;;x\n"
                                ";;;plain|||\nqsys2"));
        QString families;
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextFragment f = it.fragment();
                const QString family = f.charFormat().fontFamilies().toStringList().value(
                    0, f.charFormat().font().family());
                const QChar code = family == "wingdings"                        ? 'W'
                                   : family == "webdings"                       ? 'V'
                                   : family == QLatin1String(Form1::FontFamily) ? '.'
                                                                                : '?';
                families += QString(f.text().size(), code);
            }
            families += QLatin1Char('|');
        }
        QCOMPARE(families,
                 QStringLiteral("....................|.|W........|V........|...........|V....|"));
        QVERIFY(!form.box()->textCursor().hasSelection());
        QCOMPARE(doc->defaultFont().pointSizeF(), 9.75);

        // The glyph fonts resolve to the program's own symbol font, which
        // has the two glyphs; the box's font is a fixed-pitch one.
        for (const char *family : {"wingdings", "webdings"}) {
            const QFont font{QString::fromLatin1(family)};
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Tarnwick Symbols"));
            QVERIFY(QFontMetrics(font).inFontUcs4('1'));
            QVERIFY(QFontMetrics(font).inFontUcs4('q'));
        }
        QVERIFY(QFontInfo(doc->defaultFont()).fixedPitch());
    }

    // One text layout holds 2^25 device pixels; a listing taller than that
    // (at 9600 dpi some 23,000 lines) printed as one blank page, reported as
    // printed. Every line prints, once, in order, page after page.
    void longListingPrintsWhole()
    {
        if (tool("pdftotext").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        constexpr int Lines = 30000;
        QStringList lines;
        for (int i = 0; i < Lines; ++i)
            lines << QStringLiteral("line %1 end").arg(i);
        Form1 form;
        form.loadListing(lines.join(QLatin1Char('\n')));
        const QString pdf = path("long.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setResolution(9600);
        printer.setOutputFileName(pdf);
        QVERIFY(form.print(&printer, false));

        QProcess info;
        info.start(tool("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(60000));
        const QRegularExpressionMatch pages =
            QRegularExpression("Pages:\\s+(\\d+)").match(info.readAllStandardOutput());
        QVERIFY(pages.hasMatch());
        QProcess text;
        text.start(tool("pdftotext"), {pdf, "-"});
        QVERIFY(text.waitForFinished(120000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        const QStringList printed = words.split(QRegularExpression("[\\n\\f]"))
                                        .filter(QRegularExpression("^line \\d+ end$"));
        QCOMPARE(printed.size(), Lines);
        QCOMPARE(printed, lines);
        // As full as the pages take them: each but the last as full as the
        // first, none blank.
        QStringList pageTexts = words.split(QLatin1Char('\f'));
        pageTexts.removeLast(); // after the last page's form feed
        QCOMPARE(pageTexts.size(), pages.captured(1).toInt());
        QVERIFY(pageTexts.size() > 1);
        const qsizetype perPage = pageTexts.first().count(QLatin1String(" end"));
        for (const QString &page : pageTexts.first(pageTexts.size() - 1))
            QCOMPARE(page.count(QLatin1String(" end")), perPage);
        QVERIFY(pageTexts.last().count(QLatin1String(" end")) > 0);
    }

    // The whole way, from File > Print to a PDF file, with the printer
    // dialog scripted as a user would answer it.
    void printFromTheMainWindow_data()
    {
        QTest::addColumn<QString>("place");  // folder, root, namespace
        QTest::addColumn<QString>("answer"); // print, cancel, selection
        QTest::newRow("a folder, printed") << "folder"
                                           << "print";
        QTest::newRow("a folder, cancelled") << "folder"
                                             << "cancel";
        QTest::newRow("a selection, printed") << "folder"
                                              << "selection";
        QTest::newRow("the root folder, cancelled") << "root"
                                                    << "cancel";
        QTest::newRow("a namespace node, printed") << "namespace"
                                                   << "print";
        QTest::newRow("my computer, cancelled") << "computer"
                                                << "cancel";
        QTest::newRow("a folder where the listing file should be") << "blocked"
                                                                   << "print";
    }

    void printFromTheMainWindow()
    {
        QFETCH(QString, place);
        QFETCH(QString, answer);
        const QString folder = path("printed");
        QVERIFY(QDir().mkpath(folder + "/Folder One"));
        QVERIFY(test::writeFile(folder + "/report;;;final.txt", QByteArray(3000, 'r')));
        QVERIFY(test::writeFile(folder + "/notes.txt", "n"));
        const QString pdf =
            path("out-" + QString::number(qHash(QString(QTest::currentDataTag()))) + ".pdf");
        QFile::remove(pdf);
        QFile::remove(path("XTemp.txt"));
        QDir(path("XTemp.txt")).removeRecursively();
        if (place == "blocked") {
            QVERIFY(QDir().mkpath(path("XTemp.txt/kept")));
            place = "folder";
        }
        const bool blocked = QFileInfo(path("XTemp.txt")).isDir();

        test::ExploreHarness h;
        frmExplore &f = h.open();
        QString shownFolder = folder;
        if (place == "root")
            shownFolder = "/";
        if (place == "namespace" || place == "computer") {
            QVERIFY(f.CcXploreTreeView1->navigateTo(
                Location::special(place == "computer" ? MyComputerSpace : ControlPanelSpace)));
            shownFolder.clear();
        } else {
            QVERIFY(f.CcXploreTreeView1->setCurrentFolder(shownFolder));
        }
        QVERIFY(test::waitListed(f.CcXploreListView1.get()));
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), shownFolder);

        if (answer == "selection") {
            // A listing printed once stays in the box; select part of it.
            Form1 &staging = h.windows.get<Form1>(QString::fromLatin1(Form1::Name));
            staging.loadListing(QStringLiteral("Contents of 'x'\n \nselected line\nnot this one"));
            QTextCursor c = staging.box()->textCursor();
            c.setPosition(0);
            c.movePosition(QTextCursor::Down, QTextCursor::MoveAnchor, 2);
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            staging.box()->setTextCursor(c);
        }
        f.dlgCommonDialog = std::make_unique<QPrinter>(QPrinter::HighResolution);
        f.dlgCommonDialog->setOutputFileName(pdf);

        struct Seen
        {
            bool shown = false;
            QString title, status;
            bool pageRange = true, selectionOffered = false, pagesFrom = true;
            QAbstractPrintDialog::PrintRange range = QAbstractPrintDialog::PageRange;
        } seen;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            seen.shown = true;
            seen.title = dialog->windowTitle();
            seen.status = f.StatusBar1->SimpleText();
            seen.pageRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
            seen.selectionOffered = dialog->testOption(QAbstractPrintDialog::PrintSelection);
            // Qt's own control for a range of pages, which the print system
            // would honour.
            const auto *pages = dialog->findChild<QWidget *>(QStringLiteral("printRange"));
            seen.pagesFrom = pages && pages->isEnabled() && !pages->isHidden();
            seen.range = dialog->printRange();
            if (answer == "cancel")
                dialog->reject();
            else
                dialog->accept();
        });
        // A fresh listing has no selection; the print step alone meets one.
        if (answer == "selection")
            QVERIFY(!f.PrintListing());
        else
            f.menuEntry(QStringLiteral("mnuPrintWindow"))->trigger();

        QVERIFY(seen.shown);
        QCOMPARE(seen.title, QStringLiteral("Print"));
        QVERIFY(!seen.pageRange);
        QVERIFY(!seen.pagesFrom);
        QVERIFY(seen.selectionOffered);
        QCOMPARE(seen.range, answer == "selection" ? QAbstractPrintDialog::Selection
                                                   : QAbstractPrintDialog::AllPages);
        QCOMPARE(f.StatusBar1->SimpleText(), QStringLiteral(" "));
        if (answer != "selection")
            QCOMPARE(seen.status, QStringLiteral("Printing Contents of ") + shownFolder);

        // The listing file, left in the working folder.
        if (answer == "selection")
            QVERIFY(!QFileInfo::exists(path("XTemp.txt")));
        if (blocked) {
            // Nothing said, the folder left as it was, the listing printed.
            QVERIFY(QFileInfo(path("XTemp.txt/kept")).isDir());
            QVERIFY(h.messages.errors.isEmpty());
            QVERIFY(readAll(pdf).startsWith("%PDF-"));
            return;
        }
        const QByteArray file = readAll(path("XTemp.txt"));
        QVERIFY(answer == "selection" ||
                file.startsWith("Contents of '" + shownFolder.toUtf8() + "'\r\n \r\n"));
        const int lines = int(file.count("\r\n"));
        // An item that cannot be read (a dangling link in "/") gets no line.
        if (place == "folder" && answer != "selection")
            QCOMPARE(lines, f.CcXploreListView1->ItemCount() + 2);
        else if (answer != "selection")
            QVERIFY(lines >= 2 && lines <= f.CcXploreListView1->ItemCount() + 2);
        if (place == "folder" && answer != "selection") {
            QVERIFY(file.contains("\r\n;;;Folder One                    4kb") ||
                    file.contains("\r\n;;;Folder One                    0kb"));
            QVERIFY(file.contains("\r\nreport;;;final.txt            3kb"));
        }
        if (place == "root")
            QVERIFY(file.contains("\r\n;;;etc "));
        // Every root the tree lists, "/" too, whose name is empty.
        if (place == "computer")
            QVERIFY2(file.contains("\r\n;;;/" + QByteArray(83, ' ')), file.constData());
        if (place == "namespace" || place == "computer") {
            // Whole paths, uncut, and the warning after the print.
            QCOMPARE(h.messages.errors, QStringList{"Can not print this window"});
            if (lines > 2)
                QVERIFY(file.split('\n').at(2).startsWith("/") ||
                        file.split('\n').at(2).startsWith(";;;/"));
        } else {
            QVERIFY2(h.messages.errors.isEmpty(), qPrintable(h.messages.errors.join('|')));
        }

        if (answer == "cancel") {
            QVERIFY(!QFileInfo::exists(pdf));
            return;
        }
        const QByteArray printed = readAll(pdf);
        QVERIFY(printed.startsWith("%PDF-"));
        if (tool("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/install-deps.sh brings it");
        QProcess text;
        text.start(tool("pdftotext"), {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(60000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        if (answer == "selection") {
            QVERIFY2(words.contains("selected line"), qPrintable(words));
            QVERIFY2(!words.contains("not this one"), qPrintable(words));
            return;
        }
        QVERIFY2(words.contains("Contents of '" + shownFolder + "'"), qPrintable(words));
        if (place == "folder") {
            // The markers print as the glyph characters of the symbol font;
            // the same characters in a name print as they are.
            QVERIFY2(words.contains("1Folder One"), qPrintable(words));
            QVERIFY2(words.contains("report;;;final.txt"), qPrintable(words));
            QVERIFY2(words.contains("notes.txt"), qPrintable(words));
            QProcess fonts;
            fonts.start(tool("pdffonts"), {pdf});
            QVERIFY(fonts.waitForFinished(60000));
            QVERIFY(fonts.readAllStandardOutput().contains("TarnwickSymbols"));
        }
    }

    // Both toolbars' Print buttons print, as the menu entry does.
    void printButtons()
    {
        QVERIFY(QDir().mkpath(path("printed")));
        test::ExploreHarness h;
        frmExplore &f = h.open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(path("printed")));
        QVERIFY(test::waitListed(f.CcXploreListView1.get()));
        QDir(path("XTemp.txt")).removeRecursively();
        for (auto click : {&frmExplore::Toolbar1_ButtonClick, &frmExplore::Toolbar2_ButtonClick}) {
            QFile::remove(path("XTemp.txt"));
            int dialogs = 0;
            QTimer::singleShot(0, [&] {
                if (auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                    ++dialogs;
                    d->reject();
                }
            });
            (f.*click)(QStringLiteral("Print"));
            QCOMPARE(dialogs, 1);
            QVERIFY(
                readAll(path("XTemp.txt")).startsWith("Contents of '" + path("printed").toUtf8()));
        }
    }

    // A printer that cannot be started is a failed print, and said so.
    void printerThatCannotStart()
    {
        QVERIFY(QDir().mkpath(path("printed")));
        test::ExploreHarness h;
        frmExplore &f = h.open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(path("printed")));
        QVERIFY(test::waitListed(f.CcXploreListView1.get()));
        f.dlgCommonDialog = std::make_unique<QPrinter>(QPrinter::HighResolution);
        f.dlgCommonDialog->setOutputFileName(path("no such folder/out.pdf"));
        QTimer::singleShot(0, [] {
            if (auto *d = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget()))
                d->accept();
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QPdfWriter|QPainter|Cannot"));
        f.PrintFolderContents();
        QCOMPARE(h.messages.errors, QStringList{"Can not print this window"});
        QCOMPARE(f.StatusBar1->SimpleText(), QStringLiteral(" "));
    }

    void cleanup()
    {
        for (const QString &p : std::exchange(removeTreeLater_, {}))
            test::removeTree(p);
    }

private:
    QStringList removeTreeLater_;
};

TARNWICK_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
