#include "bigarray.h"
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "foldermodel.h"
#include "mounts.h"
#include "namepattern.h"
#include "namespacemodel.h"
#include "naturalorder.h"
#include "sortkey.h"
#include "testenv.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QTreeView>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tarnwick;

namespace {

QStringList visibleNames(const FolderModel &m)
{
    QStringList names;
    for (int r = 0; r < m.rowCount(); ++r)
        names << m.entryAt(r).name;
    return names;
}

bool waitLoaded(FolderModel &m)
{
    if (!m.isLoading())
        return true;
    QSignalSpy done(&m, &FolderModel::loadingFinished);
    return done.wait(20000);
}

} // namespace

class TestExplorer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }

    // A namespace over the test's own folder: its root stands for "/", and no
    // volume of the machine shows, so nothing walks the real file system.
    NamespaceModel *ownNamespace() const
    {
        auto *m = new NamespaceModel(
            nullptr, [] { return QList<Volume>{}; }, root(), root());
        m->setRootFolder(root());
        return m;
    }

    void makeTree(const QStringList &files, const QStringList &folders = {})
    {
        for (const QString &f : folders)
            QDir().mkpath(root() + QLatin1Char('/') + f);
        for (const QString &f : files)
            QVERIFY(test::writeFile(root() + QLatin1Char('/') + f, "x"));
    }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root());
    }
    void cleanupTestCase() { test::removeTree(root()); }

    void naturalOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("numbers by value") << "file2"
                                          << "file10" << -1;
        QTest::newRow("case ignored") << "Apple"
                                      << "banana" << -1;
        QTest::newRow("prefix first") << "file"
                                      << "file1" << -1;
        QTest::newRow("leading zeros tie-break") << "7"
                                                 << "07" << -1;
        QTest::newRow("big numbers") << "x99999999999999999999"
                                     << "x100000000000000000000" << -1;
        QTest::newRow("equal") << "same"
                               << "same" << 0;
        QTest::newRow("case only differs, still total") << "a"
                                                        << "A" << 1;
        QTest::newRow("digits before letters") << "1abc"
                                               << "abc" << -1;
    }
    void naturalOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int c = naturalCompare(a, b);
        QCOMPARE((c > 0) - (c < 0), sign);
        const int r = naturalCompare(b, a);
        QCOMPARE((r > 0) - (r < 0), -sign);
    }

    // Where two keys differ they must order the names as naturalCompare does.
    void sortKeysAgreeWithNaturalOrder()
    {
        const QStringList alphabet{"a", "B", "z", "0", "1",  "9",  "00", "07", ".",    " ", "-",
                                   "_", "é", "Ü", "ß", "\n", "10", "2",  "x",  "file", "K"};
        QRandomGenerator rng(12345);
        QStringList names;
        for (int i = 0; i < 3000; ++i) {
            QString n;
            const int parts = 1 + int(rng.bounded(8));
            for (int p = 0; p < parts; ++p)
                n += alphabet[int(rng.bounded(alphabet.size()))];
            names << n;
        }
        names << QString(300, QLatin1Char('9')) << QString(400, QLatin1Char('9'))
              << QStringLiteral("x") + QString(260, QLatin1Char('0')) + QStringLiteral("1");
        int decided = 0;
        for (int i = 0; i < names.size(); ++i) {
            for (int j = i + 1; j < std::min<qsizetype>(names.size(), i + 40); ++j) {
                const NameKey a = NameKey::of(names[i]), b = NameKey::of(names[j]);
                if (a == b)
                    continue;
                ++decided;
                const int natural = naturalCompare(names[i], names[j]);
                QVERIFY2((a < b) == (natural < 0),
                         qPrintable(QStringLiteral("%1 | %2").arg(names[i], names[j])));
                QCOMPARE(NameKey::compare(a.words, b.words) < 0, natural < 0);
            }
        }
        QVERIFY(decided > 10000); // the keys decide most comparisons on their own

        // Sorting through the keys gives the order naturalCompare gives.
        std::vector<QString> viaKeys(names.begin(), names.end());
        sortByName(viaKeys, [](const QString &n) { return QStringView(n); });
        QStringList plain = names;
        std::sort(plain.begin(), plain.end(),
                  [](const QString &x, const QString &y) { return naturalCompare(x, y) < 0; });
        QCOMPARE(QStringList(viaKeys.begin(), viaKeys.end()), plain);
    }

    // The arrays that grow with a folder keep every item across the size at
    // which they move to mappings of their own, and those are aligned for
    // huge pages.
    void bigArraysKeepTheirItems_data()
    {
        QTest::addColumn<qsizetype>("count");
        const qsizetype perBlock = qsizetype(bigarray::MappedFrom / sizeof(int));
        QTest::newRow("empty") << qsizetype(0);
        QTest::newRow("one") << qsizetype(1);
        QTest::newRow("just under a mapping") << perBlock - 1;
        QTest::newRow("one mapping") << perBlock;
        QTest::newRow("just over") << perBlock + 1;
        QTest::newRow("a million and some") << qsizetype(1000003);
    }
    void bigArraysKeepTheirItems()
    {
        QFETCH(qsizetype, count);
        BigVector<int> grown;
        for (int i = 0; i < int(count); ++i)
            grown.push_back(i * 7);
        for (int i = 0; i < int(count); ++i) {
            if (grown[size_t(i)] != i * 7)
                QFAIL(qPrintable(QStringLiteral("item %1 lost").arg(i)));
        }
        if (grown.capacity() * sizeof(int) >= bigarray::MappedFrom)
            QCOMPARE(reinterpret_cast<quintptr>(grown.data()) % bigarray::MappedFrom, quintptr(0));
        BigVector<int> copy = grown;
        grown.clear();
        grown.shrink_to_fit();
        QCOMPARE(copy.size(), size_t(count));

        const BigBuffer<std::uint64_t> scratch{size_t(count)};
        for (size_t i = 0; i < size_t(count); ++i)
            scratch[i] = i;
        QVERIFY(count == 0 || scratch[size_t(count) - 1] == std::uint64_t(count) - 1);
    }

    void pattern_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("match");
        QTest::newRow("star dot star, no dot") << "*.*"
                                               << "README" << true;
        QTest::newRow("empty") << ""
                               << "anything" << true;
        QTest::newRow("only separators") << ";;"
                                         << "anything" << true;
        QTest::newRow("extension") << "*.txt"
                                   << "notes.txt" << true;
        QTest::newRow("extension case") << "*.TXT"
                                        << "notes.txt" << true;
        QTest::newRow("extension miss") << "*.txt"
                                        << "notes.txt.bak" << false;
        QTest::newRow("question mark") << "file?.c"
                                       << "file1.c" << true;
        QTest::newRow("question needs one") << "file?.c"
                                            << "file.c" << false;
        QTest::newRow("list second") << "*.doc;*.txt"
                                     << "a.txt" << true;
        QTest::newRow("list with blanks") << "*.doc; *.txt"
                                          << "a.txt" << true;
        QTest::newRow("list miss") << "*.doc;*.txt"
                                   << "a.md" << false;
        QTest::newRow("name dot star without extension") << "Makefile.*"
                                                         << "Makefile" << true;
        QTest::newRow("star in middle") << "a*z"
                                        << "abcdz" << true;
        QTest::newRow("star backtracks") << "*ab*ab"
                                         << "xabyabab" << true;
        QTest::newRow("hostile") << "*a*a*a*a*a*a*a*a*b" << QString(200, QLatin1Char('a')) << false;
        QTest::newRow("unicode case") << "ÄRGER*"
                                      << "ärger.txt" << true;
        QTest::newRow("literal brackets") << "[ab].txt"
                                          << "[ab].txt" << true;
        QTest::newRow("brackets are not classes") << "[ab].txt"
                                                  << "a.txt" << false;
    }
    void pattern()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, match);
        QCOMPARE(NamePattern(pattern).matches(name), match);
    }

    void folderModelPassesTester()
    {
        makeTree({"b.txt", "a.doc", "c10.txt", "c9.txt", ".hidden"}, {"zdir", "adir"});
        FolderModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFolder(root());
        QVERIFY(waitLoaded(model));
        QCOMPARE(visibleNames(model),
                 (QStringList{"adir", "zdir", ".hidden", "a.doc", "b.txt", "c9.txt", "c10.txt"}));
        model.setPattern(QStringLiteral("*.txt"));
        QCOMPARE(visibleNames(model), (QStringList{"adir", "zdir", "b.txt", "c9.txt", "c10.txt"}));
        model.sort(FolderModel::NameColumn, Qt::DescendingOrder);
        QCOMPARE(visibleNames(model), (QStringList{"zdir", "adir", "c10.txt", "c9.txt", "b.txt"}));
        model.setShowHidden(false);
        model.setPattern(QString());
        QCOMPARE(visibleNames(model),
                 (QStringList{"zdir", "adir", "c10.txt", "c9.txt", "b.txt", "a.doc"}));
        model.setFolder(QString());
        QCOMPARE(model.rowCount(), 0);
    }

    void sortBySizeAndSelectionSurvives()
    {
        QVERIFY(test::writeFile(root() + "/big", QByteArray(3000, 'x')));
        QVERIFY(test::writeFile(root() + "/small", QByteArray(10, 'x')));
        QVERIFY(test::writeFile(root() + "/mid", QByteArray(500, 'x')));
        ExplorerListView list;
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        list.setSelected(list.model()->rowOfName("small"), true);
        list.model()->sort(FolderModel::SizeColumn, Qt::DescendingOrder);
        QCOMPARE(visibleNames(*list.model()), (QStringList{"big", "mid", "small"}));
        QVERIFY(list.Selected(2));
        QVERIFY(!list.Selected(0));
        // The sort belongs to the model and outlives a change of view.
        list.setView(ExplorerListView::LargeIcons);
        list.setView(ExplorerListView::Details);
        QCOMPARE(visibleNames(*list.model()), (QStringList{"big", "mid", "small"}));
    }

    // The sort arrow lies beside its column's caption, not at the far end
    // of a wide column (the window's edge for the stretched last one).
    void sortArrowBesideItsCaption_data()
    {
        QTest::addColumn<int>("column");
        for (int c = 0; c < FolderModel::ColumnCount; ++c)
            QTest::addRow("%d", c) << c;
    }
    void sortArrowBesideItsCaption()
    {
        QFETCH(int, column);
        ExplorerListView list;
        list.resize(1200, 300);
        list.setView(ExplorerListView::Details);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        auto *details = qobject_cast<QTreeView *>(list.currentView());
        QHeaderView *header = details->header();
        header->setSortIndicatorShown(false);
        const QImage plain = header->grab().toImage();
        header->setSortIndicatorShown(true);
        header->setSortIndicator(column, Qt::AscendingOrder);
        const QImage sorted = header->grab().toImage();
        QCOMPARE(sorted.size(), plain.size());
        int first = sorted.width(), last = -1;
        for (int y = 0; y < sorted.height(); ++y)
            for (int x = 0; x < sorted.width(); ++x)
                if (sorted.pixel(x, y) != plain.pixel(x, y)) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        QVERIFY2(last >= 0, "no arrow drawn");
        const int start = header->sectionViewportPosition(column);
        const QString caption = list.model()->headerData(column, Qt::Horizontal).toString();
        const int captionEnd = start + header->fontMetrics().horizontalAdvance(caption) + 30;
        QVERIFY2(first >= start && last <= captionEnd,
                 qPrintable(QStringLiteral("arrow at %1-%2, column from %3, caption to %4")
                                .arg(first)
                                .arg(last)
                                .arg(start)
                                .arg(captionEnd)));
    }

    void largeFolderArrivesComplete()
    {
        constexpr int files = 5000;
        for (int i = 0; i < files; ++i)
            QVERIFY(test::writeFile(root() + QStringLiteral("/f%1").arg(i)));
        FolderModel model;
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setFolder(root());
        QVERIFY(waitLoaded(model));
        QCOMPARE(model.rowCount(), files);
        const QStringList names = visibleNames(model);
        QVERIFY(std::is_sorted(names.begin(), names.end(), [](const QString &a, const QString &b) {
            return naturalCompare(a, b) < 0;
        }));
        QCOMPARE(names.first(), QStringLiteral("f0"));
        QCOMPARE(names.last(), QStringLiteral("f4999"));
    }

    // A folder large enough to be sorted and filtered on two threads comes
    // out in the same order a plain sort of its names and sizes gives, by
    // name and by size, each way.
    void largeFolderOrderAndFilter()
    {
        struct Item
        {
            QString name;
            qint64 size;
            bool dir;
        };
        static const QStringList stems{"Report", "report", "photo", "Été", "x", "data_"};
        QList<Item> items;
        for (int i = 0; i < 51000; ++i) {
            const QString name = stems[i % stems.size()] + QString::number(i * 7919 % 51000) +
                                 (i % 3 ? ".txt" : ".log");
            const QByteArray path = QFile::encodeName(root() + '/' + name);
            if (i % 50 == 0) {
                QCOMPARE(mkdir(path.constData(), 0755), 0);
                items.append({name, 0, true});
                continue;
            }
            const int fd = open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            const qint64 size = i % 11 == 0 ? i % 5 : 0;
            QVERIFY(fd >= 0 && write(fd, "xxxx", size_t(size)) == size && close(fd) == 0);
            items.append({name, size, false});
        }
        FolderModel model;
        model.setFolder(root());
        QVERIFY(waitLoaded(model));
        for (const int column : {int(FolderModel::NameColumn), int(FolderModel::SizeColumn)}) {
            for (const bool descending : {false, true}) {
                std::sort(items.begin(), items.end(), [&](const Item &a, const Item &b) {
                    if (a.dir != b.dir)
                        return a.dir;
                    const int c = column == FolderModel::SizeColumn && a.size != b.size
                                      ? (a.size < b.size ? -1 : 1)
                                      : naturalCompare(a.name, b.name);
                    return descending ? c > 0 : c < 0;
                });
                QStringList expected, filtered;
                for (const Item &i : std::as_const(items)) {
                    expected << i.name;
                    if (i.dir || NamePattern("*1?.txt").matches(i.name))
                        filtered << i.name;
                }
                model.setPattern(QString());
                model.sort(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
                QCOMPARE(visibleNames(model), expected);
                model.setPattern(QStringLiteral("*1?.txt"));
                QCOMPARE(visibleNames(model), filtered);
            }
        }
    }

    // Where the name says nothing, the first bytes give the type; where it
    // does, the name wins. Files that appear while shown are read too.
    void typesFromContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("mime"); // empty: a plain "File"
        const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x01\0\0\0\x01\x08\x02\0\0\0", 29);
        QTest::newRow("a README") << "README" << QByteArray("Read me first.\n") << 0644
                                  << "text/x-readme";
        QTest::newRow("a script") << "run" << QByteArray("#!/bin/sh\necho hi\n") << 0755
                                  << "application/x-shellscript";
        QTest::newRow("a picture saved bare") << "picture" << png << 0644 << "image/png";
        QTest::newRow("an extension nobody knows")
            << "notes.zzqq" << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n") << 0644
            << "application/pdf";
        QTest::newRow("a known extension wins")
            << "report.txt" << QByteArray("%PDF-1.4\n") << 0644 << "text/plain";
        QTest::newRow("empty") << "EMPTY" << QByteArray() << 0644 << "";
        QTest::newRow("bytes that say nothing")
            << "blob" << QByteArray("\x01\x02\x03\x04\x05\x06\x07", 7) << 0644 << "";
    }
    void typesFromContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(int, mode);
        QFETCH(QString, mime);
        const QString expected = mime.isEmpty() ? QStringLiteral("File")
                                                : QMimeDatabase().mimeTypeForName(mime).comment();
        QVERIFY(!expected.isEmpty());
        // A pipe with no extension beside it must not hold up the listing.
        QCOMPARE(mkfifo(QFile::encodeName(root() + "/pipe").constData(), 0600), 0);
        const auto place = [&](const QString &as) {
            QVERIFY(test::writeFile(root() + '/' + as, content));
            QVERIFY(chmod(QFile::encodeName(root() + '/' + as).constData(), mode_t(mode)) == 0);
        };
        place(name);
        FolderModel model;
        model.setFolder(root());
        QVERIFY(waitLoaded(model));
        const auto typeOf = [&](const QString &n) {
            return model.index(model.rowOfName(n), FolderModel::TypeColumn).data().toString();
        };
        QCOMPARE(typeOf(name), expected);
        // The same read for a file made while the folder shows.
        QString later = name;
        later.insert(name.contains('.') ? name.lastIndexOf('.') : name.size(), '2');
        place(later);
        QTRY_VERIFY(model.rowOfName(later) >= 0);
        QTRY_COMPARE(typeOf(later), expected);
    }

    // The icon views size every item alike from one sample, their last row:
    // a short last name must not cut the others down to its width.
    void shortLastNameCutsNoOtherName_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("large icons") << int(ExplorerListView::LargeIcons);
        QTest::newRow("small icons") << int(ExplorerListView::SmallIcons);
        QTest::newRow("list") << int(ExplorerListView::ListMode);
    }
    void shortLastNameCutsNoOtherName()
    {
        QFETCH(int, view);
        makeTree({"A rather long name.txt", "z"}, {});
        ExplorerListView list;
        list.resize(800, 600);
        list.setView(ExplorerListView::ViewMode(view));
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        auto *icons = qobject_cast<QListView *>(list.currentView());
        QVERIFY(icons);
        icons->doItemsLayout();
        const QRect first = icons->visualRect(list.model()->index(0, 0));
        QCOMPARE(list.model()->index(0, 0).data().toString(),
                 QStringLiteral("A rather long name.txt"));
        QVERIFY2(first.width() >= icons->gridSize().width() - 8,
                 qPrintable(
                     QStringLiteral("%1 of %2").arg(first.width()).arg(icons->gridSize().width())));
    }

    void hiddenAndSystemSwitches()
    {
        makeTree({"plain", ".dot"}, {".dotdir"});
        QCOMPARE(mkfifo(QFile::encodeName(root() + "/pipe").constData(), 0600), 0);
        ExplorerListView list;
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        QCOMPARE(list.ItemCount(), 4);
        QVERIFY(list.setHiddenText("0"));
        QCOMPARE(visibleNames(*list.model()), (QStringList{"pipe", "plain"}));
        QVERIFY(list.setSystemText("0"));
        QCOMPARE(visibleNames(*list.model()), QStringList{"plain"});
        QVERIFY(!list.setSystemText("yes"));
        QVERIFY(!list.System());
        QVERIFY(list.setHiddenText("1"));
        QVERIFY(list.setSystemText("1"));
        QCOMPARE(list.ItemCount(), 4);
    }

    void oddNames()
    {
        const QByteArray invalidUtf8("bad\xff\xfename");
        const QByteArray longName(255, 'n');
        for (const QByteArray &n :
             {QByteArray("with\nnewline"), QByteArray(" spaced "), invalidUtf8, longName}) {
            const QByteArray path = QFile::encodeName(root()) + '/' + n;
            FILE *f = fopen(path.constData(), "w");
            QVERIFY(f);
            fclose(f);
        }
        FolderModel model;
        model.setFolder(root());
        QVERIFY(waitLoaded(model));
        QCOMPARE(model.rowCount(), 4);
        bool sawInvalid = false;
        for (int r = 0; r < model.rowCount(); ++r) {
            const FileEntry &e = model.entryAt(r);
            QVERIFY(!e.name.isEmpty());
            if (e.encodedName() == invalidUtf8)
                sawInvalid = true;
        }
        QVERIFY2(sawInvalid, "the on-disk bytes of an invalid name are kept");
    }

    void unreadableAndMissingFolders()
    {
        FolderModel model;
        QSignalSpy done(&model, &FolderModel::loadingFinished);
        model.setFolder(root() + "/missing");
        QVERIFY(done.wait());
        QCOMPARE(done.first().first().toInt(), ENOENT);
        QCOMPARE(model.rowCount(), 0);
    }

    void renameInPlace_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("refusal"); // empty: accepted
        QTest::newRow("plain") << "renamed.txt"
                               << "";
        QTest::newRow("unchanged") << "old.txt"
                                   << "";
        QTest::newRow("spaces kept") << "  spaced  "
                                     << "";
        QTest::newRow("empty") << ""
                               << "cannot be empty";
        QTest::newRow("dot") << "."
                             << "cannot be used";
        QTest::newRow("dot dot") << ".."
                                 << "cannot be used";
        QTest::newRow("slash") << "a/b"
                               << "cannot contain";
        QTest::newRow("existing file") << "other.txt"
                                       << "already an item";
        QTest::newRow("existing hidden") << ".secret"
                                         << "already an item";
        QTest::newRow("too long") << QString(256, QLatin1Char('x')) << "too long";
        QTest::newRow("255 bytes") << QString(255, QLatin1Char('x')) << "";
    }
    void renameInPlace()
    {
        QFETCH(QString, newName);
        QFETCH(QString, refusal);
        makeTree({"old.txt", "other.txt", ".secret"});
        test::RecordingMessages messages;
        ExplorerListView list;
        list.setMessages(&messages);
        list.setShowHidden(false);
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        const int row = list.model()->rowOfName("old.txt");
        const bool ok = list.model()->setData(list.model()->index(row, 0), newName);
        QCOMPARE(ok, refusal.isEmpty());
        if (refusal.isEmpty()) {
            QTRY_VERIFY(list.model()->rowOfName(newName) >= 0);
            QVERIFY(messages.errors.isEmpty());
            QVERIFY(QFile::exists(root() + QLatin1Char('/') + newName));
            QCOMPARE(QFile::exists(root() + "/old.txt"), newName == "old.txt");
        } else {
            QCOMPARE(messages.errors.size(), 1);
            QVERIFY2(messages.errors.first().contains(refusal),
                     qPrintable(messages.errors.first()));
            QVERIFY(QFile::exists(root() + "/old.txt"));
            QCOMPARE(QDir(root()).entryList(QDir::Files | QDir::Hidden).size(), 3);
        }
    }

    void renameByKeyboardAndItsSwitch()
    {
        makeTree({"old.txt"});
        ExplorerListView list;
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QAbstractItemView *view = list.currentView();
        view->setCurrentIndex(list.model()->index(0, 0));
        QVERIFY(list.setAllowFileRenameText("0"));
        auto editor = [view] { return view->viewport()->findChild<QLineEdit *>(); };
        QTest::keyClick(view, Qt::Key_F2);
        QVERIFY(!editor());
        QVERIFY(list.setAllowFileRenameText("1"));
        QTest::keyClick(view, Qt::Key_F2);
        QTRY_VERIFY(editor());
        QLineEdit *edit = editor();
        edit->selectAll();
        QTest::keyClicks(edit, "new.txt");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(QFile::exists(root() + "/new.txt"));
        QVERIFY(!QFile::exists(root() + "/old.txt"));
    }

    void viewModes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("mode");
        QTest::newRow("large icons") << "0" << true << 0;
        QTest::newRow("small icons") << "1" << true << 1;
        QTest::newRow("list") << "2" << true << 2;
        QTest::newRow("details") << "3" << true << 3;
        QTest::newRow("out of range") << "7" << false << 1;
        QTest::newRow("negative") << "-1" << false << 1;
        QTest::newRow("text") << "x" << false << 1;
        QTest::newRow("padded") << " 2" << false << 1;
    }
    void viewModes()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QFETCH(int, mode);
        ExplorerListView list;
        QCOMPARE(list.setViewText(text), accepted);
        QCOMPARE(int(list.View()), mode);
        if (mode == int(ExplorerListView::Details)) {
            QVERIFY(qobject_cast<QTreeView *>(list.currentView()));
            return;
        }
        auto *view = qobject_cast<QListView *>(list.currentView());
        QVERIFY(view);
        QCOMPARE(view->viewMode(), mode == 0 ? QListView::IconMode : QListView::ListMode);
        QCOMPARE(view->flow(), mode == 2 ? QListView::TopToBottom : QListView::LeftToRight);
        if (mode == 0)
            QVERIFY(view->iconSize().width() >= 48 && view->iconSize().height() >= 48);
        else
            QCOMPARE(view->iconSize(), QSize(16, 16));
        QVERIFY(view->isWrapping());
    }

    void itemAccess()
    {
        makeTree({"one", "two", "three"});
        ExplorerListView list;
        list.setFolder(root());
        QVERIFY(waitLoaded(*list.model()));
        QCOMPARE(list.ItemCount(), 3);
        QCOMPARE(list.ItemPath(0), root() + "/one");
        QCOMPARE(list.ItemPath(3), QString());
        QCOMPARE(list.ItemPath(-1), QString());
        list.setSelected(1, true);
        list.setSelected(2, true);
        list.setSelected(2, false);
        list.setSelected(99, true);
        QVERIFY(!list.Selected(0));
        QVERIFY(list.Selected(1));
        QVERIFY(!list.Selected(2));
    }

    void linkedControlsKeepInStep()
    {
        makeTree({"file.txt"}, {"sub/deeper", "other"});
        test::RecordingMessages messages;
        ExplorerTreeView tree(nullptr, ownNamespace());
        ExplorerListView list;
        ExplorerCombo combo;
        tree.setMessages(&messages);
        QAbstractItemModelTester tester(tree.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy treeChanged(&tree, &ExplorerTreeView::FolderChanged);
        QSignalSpy listChanged(&list, &ExplorerListView::FolderChanged);
        tree.setLinkedListView(&list);
        tree.setLinkedCombo(&combo);
        QVERIFY(treeChanged.wait()); // the initial folder, once linked
        QCOMPARE(treeChanged.last().first().toString(), root());
        QCOMPARE(list.folder(), root());

        // Tree to list and address box.
        QVERIFY(tree.setCurrentFolder(root() + "/sub"));
        QCOMPARE(list.folder(), root() + "/sub");
        QCOMPARE(combo.currentText(), root() + "/sub");
        QCOMPARE(treeChanged.last().first().toString(), root() + "/sub");
        QCOMPARE(listChanged.last().first().toString(), root() + "/sub");

        // Address box to tree.
        QSignalSpy comboChanged(&combo, &ExplorerCombo::FolderChanged);
        QVERIFY(combo.go(root() + "/other"));
        QCOMPARE(tree.CurrentFolder(), root() + "/other");
        QCOMPARE(list.folder(), root() + "/other");
        QCOMPARE(comboChanged.size(), 1);

        // A folder opened in the list moves the tree.
        QVERIFY(tree.setCurrentFolder(root()));
        QVERIFY(waitLoaded(*list.model()));
        const int row = list.model()->rowOfName("sub");
        QVERIFY(row >= 0);
        emit list.currentView()->activated(list.model()->index(row, 0));
        QCOMPARE(tree.CurrentFolder(), root() + "/sub");
        QCOMPARE(combo.currentText(), root() + "/sub");
        QCOMPARE(list.folder(), root() + "/sub");

        // The tree selects the node of the current folder.
        QCOMPARE(tree.model()->pathOf(tree.view()->currentIndex()), root() + "/sub");
        QVERIFY(messages.errors.isEmpty());
    }

    void refusedNavigationChangesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "/missing/folder"
                                 << "does not exist";
        QTest::newRow("a file") << "/file.txt"
                                << "is not a folder";
        QTest::newRow("leading blanks") << "  /sub"
                                        << "does not exist";
    }
    void refusedNavigationChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, message);
        makeTree({"file.txt"}, {"sub"});
        test::RecordingMessages messages;
        ExplorerTreeView tree;
        ExplorerListView list;
        ExplorerCombo combo;
        tree.setMessages(&messages);
        tree.setLinkedListView(&list);
        tree.setLinkedCombo(&combo);
        QVERIFY(tree.setCurrentFolder(root()));
        QSignalSpy changed(&tree, &ExplorerTreeView::FolderChanged);
        const QString typed = target.startsWith(QLatin1Char(' ')) ? target : root() + target;
        QVERIFY(!combo.go(typed));
        QCOMPARE(tree.CurrentFolder(), root());
        QCOMPARE(list.folder(), root());
        QCOMPARE(combo.currentText(), root());
        QCOMPARE(changed.size(), 0);
        QCOMPARE(messages.errors.size(), 1);
        QVERIFY2(messages.errors.first().contains(message), qPrintable(messages.errors.first()));
    }

    void pathResolution_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath();
        QTest::newRow("absolute") << "/usr//lib/"
                                  << "/srv"
                                  << "/usr/lib";
        QTest::newRow("relative") << "sub"
                                  << "/srv"
                                  << "/srv/sub";
        QTest::newRow("parent") << ".."
                                << "/srv/a"
                                << "/srv";
        QTest::newRow("home") << "~"
                              << "/srv" << home;
        QTest::newRow("under home") << "~/Music"
                                    << "/srv" << home + "/Music";
        QTest::newRow("url") << "file:///etc"
                             << "/srv"
                             << "/etc";
        QTest::newRow("root") << "/"
                              << "/srv"
                              << "/";
        QTest::newRow("above root") << "/../.."
                                    << "/srv"
                                    << "/";
    }
    void pathResolution()
    {
        QFETCH(QString, text);
        QFETCH(QString, current);
        QFETCH(QString, expected);
        QCOMPARE(ExplorerTreeView::resolvePath(text, current), expected);
    }

    void treeExpandsLazily()
    {
        makeTree({"loose.txt"}, {"a/a1", "a/a2", "b", "c"});
        ExplorerTreeView tree; // no model tester here: it fetches every node
        QVERIFY(tree.setCurrentFolder(root()));
        NamespaceModel *m = tree.model();
        const QModelIndex here = m->indexOf(Location::folder(root()));
        QTRY_VERIFY(m->isLoaded(here));
        QCOMPARE(m->rowCount(here), 3); // folders only
        const QModelIndex a = m->index(0, 0, here);
        QCOMPARE(m->data(a).toString(), QStringLiteral("a"));
        QVERIFY(!m->isLoaded(a));
        QVERIFY(m->hasChildren(a));
        QVERIFY(m->canFetchMore(a));
        m->fetchMore(a); // what expanding the node does
        QTRY_COMPARE(m->rowCount(a), 2);
        const QModelIndex b = m->index(1, 0, here);
        QCOMPARE(m->data(b).toString(), QStringLiteral("b"));
        // An empty folder shows no expander once known (link count 2).
        if (!m->hasChildren(b))
            QVERIFY(!m->isLoaded(b));
    }

    void vanishedNodeIsDroppedOnReload()
    {
        makeTree({}, {"keep", "gone"});
        test::RecordingMessages messages;
        ExplorerTreeView tree(nullptr, ownNamespace());
        tree.setMessages(&messages);
        QAbstractItemModelTester tester(tree.model(),
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        // Reaching a folder through the tree makes its node before the
        // parent's listing arrives; a folder removed meanwhile disappears.
        QVERIFY(tree.setCurrentFolder(root() + "/gone"));
        QVERIFY(QDir(root() + "/gone").removeRecursively());
        NamespaceModel *m = tree.model();
        const QModelIndex here = m->indexOf(Location::folder(root()));
        tree.view()->expand(here);
        QTRY_VERIFY(m->isLoaded(here));
        // The first listing may have run before the removal; a reload must
        // drop the node either way.
        m->refresh(here);
        const auto names = [&] {
            QStringList out;
            for (int r = 0; r < m->rowCount(here); ++r)
                out << m->data(m->index(r, 0, here)).toString();
            return out;
        };
        QTRY_COMPARE(names(), QStringList{"keep"});
    }
};

TARNWICK_TEST_MAIN(TestExplorer)
#include "test_explorer.moc"
