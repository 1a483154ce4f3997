#include "fileoperationdialogs.h"
#include "harness.h"
#include "historywindow.h"
#include "launcher.h"
#include "namespacemodel.h"
#include "networkdialogs.h"
#include "networkmounts.h"
#include "program.h"
#include "toolbarcustomizer.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <csignal>
#include <cstring>
#include <unistd.h>

using namespace tarnwick;

namespace {

struct MenuRow
{
    const char *name;
    const char *caption; // "-" for a separator
    bool enabled;
    bool checked;
};

// Mounts whatever it is asked to at a folder of the test's.
class ScriptedMounter : public NetworkMounter
{
public:
    explicit ScriptedMounter(QString folder) : folder_(std::move(folder)) {}
    bool available(QString *) const override { return true; }
    QList<NetworkMount> mounts() const override { return mounted_; }
    void mount(const QString &address) override
    {
        QMetaObject::invokeMethod(
            this,
            [this, address] {
                mounted_.append({QStringLiteral("share on host"), address, folder_});
                emit mounted(address, folder_);
            },
            Qt::QueuedConnection);
    }
    void unmount(const QString &uri) override
    {
        mounted_.clear();
        QMetaObject::invokeMethod(
            this, [this, uri] { emit unmounted(uri); }, Qt::QueuedConnection);
    }
    void provideCredentials(const QString &, const QString &, const QString &, bool) override {}
    void cancelCredentials() override {}

private:
    QString folder_;
    QList<NetworkMount> mounted_;
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;

    static QStringList buttonKeys(const Toolbar *t)
    {
        QStringList keys;
        for (const Toolbar::Button &b : t->buttons())
            keys << (b.style == Toolbar::Style::Separator ? QStringLiteral("|") : b.key);
        return keys;
    }

private:
    // The main window showing a folder of five files f0 to f4.
    ExplorerListView *showFiveFiles(frmExplore &f, const QTemporaryDir &dir)
    {
        for (int i = 0; i < 5; ++i)
            test::writeFile(dir.filePath(QStringLiteral("f%1").arg(i)));
        ExplorerListView *list = f.CcXploreListView1.get();
        if (!f.CcXploreTreeView1->setCurrentFolder(dir.path()) || !test::waitListed(list) ||
            list->ItemCount() != 5)
            return nullptr;
        return list;
    }

private slots:
    void init() { h = std::make_unique<test::ExploreHarness>(); }
    void cleanup() { h.reset(); }

    void menuBarAsDesigned()
    {
        frmExplore &f = h->open();
        const QList<QAction *> tops = f.window()->findChild<QMenuBar *>()->actions();
        QStringList topCaptions;
        for (QAction *a : tops)
            topCaptions << a->text();
        QCOMPARE(topCaptions, (QStringList{"&File", "&Edit", "&View", "&Tools", "&Help"}));
        QCOMPARE(f.View->objectName(), QStringLiteral("View"));

        const std::vector<std::pair<QMenu *, std::vector<MenuRow>>> menus = {
            {f.mnuFileTop,
             {{"mnuFileOpen", "&Open", false, false},
              {"mnuFileExplore", "&Explore", true, false},
              {"mnuFileFind", "&Find", false, false},
              {"mnuSeperator4", "-", true, false},
              {"mnuFileCreateShortcut", "Create &Shortcut", true, false},
              {"mnuFileDelete", "&Delete", true, false},
              {"mnuFileRename", "Rena&me", false, false},
              {"mnuFileProperties", "&Properties", true, false},
              {"mnuSeparator2", "-", true, false},
              {"mnuPrintWindow", "Print", true, false},
              {"sep", "-", true, false},
              {"mnuFileClose", "&Close", true, false}}},
            {f.mnuEditTop,
             {{"mnuEditCut", "Cu&t", true, false},
              {"mnuEditCopy", "&Copy", true, false},
              {"mnuEditPaste", "&Paste", true, false},
              {"mnuSeperator1", "-", true, false},
              {"mnuEditSelectAll", "&Select All", true, false},
              {"mnuEditInvertSelection", "&Invert Selection", true, false}}},
            {f.View,
             {{"mnuViewToolbar", "&Toolbar", true, true},
              {"mnuViewStatusBar", "Status &Bar", true, true},
              {"mnuSeparator", "-", true, false},
              // The check names the view shown: small icons at first.
              {"mnuViewLargeIcons", "Lar&ge Icons", true, false},
              {"mnuViewSmallIcons", "&Small Icons", true, true},
              {"mnuViewList", "&List", true, false},
              {"mnuViewDetails", "&Details", true, false}}},
            {f.mnuToolsTop,
             {{"mnuToolsFind", "&Find...", true, false},
              {"mnuToolsSeperator1", "-", true, false},
              {"mnuToolsCustomizeToolbar", "&Customize Toolbar...", true, false},
              {"mnuToolsSeperator4", "-", true, false},
              {"mnuToolsMapNetDrive", "&Map Network Drive...", true, false},
              {"mnuToolsDisconnectNetDrive", "&Disconnect NetworkDrive...", true, false},
              {"mnuToolsSeperator2", "-", true, false},
              {"mnuToolsGoTo", "&Go to...", true, false},
              {"mnutoolseparator15", "-", false, false},
              {"mnuOptions", "&Options", true, false},
              {"mnuToolsHistorySeparator", "-", true, false},
              {"mnuToolsHistory", "Operation &History...", true, false}}},
            {f.mnuHelpTop, {{"mnuHelpAbout", "&About...", true, false}}},
        };
        for (const auto &[menu, rows] : menus) {
            const QList<QAction *> actions = menu->actions();
            QCOMPARE(actions.size(), qsizetype(rows.size()));
            for (size_t i = 0; i < rows.size(); ++i) {
                const QAction *a = actions[qsizetype(i)];
                const MenuRow &r = rows[i];
                QCOMPARE(a->objectName(), QString::fromLatin1(r.name));
                if (QByteArray(r.caption) == "-")
                    QVERIFY2(a->isSeparator(), r.name);
                else
                    QCOMPARE(a->text(), QString::fromLatin1(r.caption));
                QVERIFY2(a->isEnabled() == r.enabled, r.name);
                QVERIFY2(a->isChecked() == r.checked, r.name);
                QVERIFY2(a->shortcut().isEmpty(), r.name);
            }
        }
    }

    // The history window follows what other windows add and undoes the
    // operation chosen; its controls have names, its names are plain.
    void historyWindow()
    {
        QTemporaryDir dir;
        UndoJournal::keepShared(dir.path() + "/state");
        frmExplore &f = h->open();
        f.menuEntry("mnuToolsHistory")->trigger();
        auto *w = f.window()->findChild<HistoryWindow *>();
        QVERIFY(w && w->isVisible());
        for (QWidget *c : w->findChildren<QWidget *>())
            if (qobject_cast<QAbstractButton *>(c) || qobject_cast<QAbstractItemView *>(c))
                QVERIFY2(!c->accessibleName().isEmpty(), c->metaObject()->className());
        const QString a = dir.path() + "/a";
        test::writeFile(a, "x");
        QVERIFY(
            runJobModal(Jobs::rename(QFile::encodeName(a), "b&<i>.txt"), nullptr).errors.isEmpty());
        QTRY_COMPARE(w->list()->topLevelItemCount(), 1);
        QTreeWidgetItem *row = w->list()->topLevelItem(0);
        QCOMPARE(row->text(1), QString("Rename of \u201cb&<i>.txt\u201d"));
        w->list()->setCurrentItem(row);
        auto *undoButton = w->findChildren<QPushButton *>().at(0);
        QCOMPARE(undoButton->accessibleName(), QString("Undo"));
        undoButton->click();
        QTRY_VERIFY(QFile::exists(a));
        QTRY_COMPARE(w->list()->topLevelItem(0)->text(5), QString("Undone"));
        w->close();
    }

    void toolbarsAsDesigned()
    {
        frmExplore &f = h->open();
        const QStringList keys{"UpOneLevel",
                               "|",
                               "MapNetworkDrive",
                               "DisconnectNetDrive",
                               "|",
                               "Cut",
                               "Copy",
                               "Paste",
                               "|",
                               "Delete",
                               "Properties",
                               "|",
                               "LargeIcon",
                               "SmallIcon",
                               "List",
                               "Details",
                               "|",
                               "Print"};
        QCOMPARE(buttonKeys(f.Toolbar1.get()), keys + QStringList{""});
        QCOMPARE(buttonKeys(f.Toolbar2.get()), keys);
        const auto &small = f.Toolbar1->buttons();
        const auto &large = f.Toolbar2->buttons();
        QCOMPARE(small[0].description, QStringLiteral("UpOneLevel"));
        QCOMPARE(large[0].description, QStringLiteral("Up One Level"));
        QCOMPARE(small[3].toolTip, QStringLiteral("Disconnect Network Drive"));
        QCOMPARE(large[3].toolTip, QStringLiteral("Disconnect Net Drive"));
        QCOMPARE(large[2].description, QStringLiteral("MapNetworkDrive"));
        QCOMPARE(small[12].toolTip, QStringLiteral("Large Icons"));
        QCOMPARE(small[12].style, Toolbar::Style::Group);
        QVERIFY(small.back().picture.isNull());
        // The buttons fit their strip: 23 x 22 and 39 x 38 pixels at 96 dpi.
        QCOMPARE(f.Toolbar1->buttonSize(), QSize(23, 22));
        QCOMPARE(f.Toolbar2->buttonSize(), QSize(39, 38));
        QCOMPARE(f.ImgLstToolbar1.size(), 14);
        QCOMPARE(f.ImageList1.size(), 14);
        for (int i : {0, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13}) {
            QVERIFY(!f.ImgLstToolbar1[i].isNull());
            QVERIFY(!f.ImageList1[i].pixmap(32, 32).isNull());
        }
    }

    // The list's view, the View menu's check and both toolbars' pressed
    // button name the same view from the start, whatever is stored.
    void marksFollowTheViewOnLoad_data()
    {
        QTest::addColumn<QString>("view");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::newRow("first start") << ""
                                     << "" << 1;
        QTest::newRow("list") << "2"
                              << "List" << 2;
        QTest::newRow("details, button unknown") << "3"
                                                 << "Thumbnails" << 3;
        QTest::newRow("large icons, button stale") << "0"
                                                   << "Details" << 0;
    }
    void marksFollowTheViewOnLoad()
    {
        QFETCH(QString, view);
        QFETCH(QString, button);
        QFETCH(int, mode);
        for (const char *toolbar : {"small", "large"}) {
            h = std::make_unique<test::ExploreHarness>();
            if (!view.isEmpty())
                h->store(Pref::View, view);
            if (!button.isEmpty())
                h->store(Pref::Button, button);
            h->store(Pref::Toolbar, QString::fromLatin1(toolbar));
            frmExplore &f = h->open();
            QCOMPARE(int(f.CcXploreListView1->View()), mode);
            const QList<QAction *> entries{f.mnuViewLargeIcons, f.mnuViewSmallIcons, f.mnuViewList,
                                           f.mnuViewDetails};
            for (int i = 0; i < 4; ++i)
                QCOMPARE(entries[i]->isChecked(), i == mode);
            const QString key = QStringList{"LargeIcon", "SmallIcon", "List", "Details"}[mode];
            QCOMPARE(f.Toolbar1->pressedKey(), key);
            QCOMPARE(f.Toolbar2->pressedKey(), key);
        }
    }

    void viewCommands_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("key");
        QTest::newRow("large icons") << "mnuViewLargeIcons" << 0 << "LargeIcon";
        QTest::newRow("small icons") << "mnuViewSmallIcons" << 1 << "SmallIcon";
        QTest::newRow("list") << "mnuViewList" << 2 << "List";
        QTest::newRow("details") << "mnuViewDetails" << 3 << "Details";
    }
    void viewCommands()
    {
        QFETCH(QString, entry);
        QFETCH(int, mode);
        QFETCH(QString, key);
        frmExplore &f = h->open();
        f.Toolbar2->press(QStringLiteral("List"));
        for (int twice = 0; twice < 2; ++twice) {
            f.menuEntry(entry)->trigger();
            QCOMPARE(int(f.CcXploreListView1->View()), mode);
            for (QAction *a : {f.mnuViewLargeIcons.data(), f.mnuViewSmallIcons.data(),
                               f.mnuViewList.data(), f.mnuViewDetails.data()})
                QCOMPARE(a->isChecked(), a->objectName() == entry);
            QCOMPARE(f.Toolbar1->pressedKey(), key);
            QCOMPARE(f.Toolbar2->pressedKey(), key);
            QCOMPARE(h->settings.read(Preferences::Section, "view"), QString::number(mode));
            QCOMPARE(h->settings.read(Preferences::Section, "button"), key);
        }
    }

    void viewCommandAfterItsButtonWasRemoved()
    {
        frmExplore &f = h->open();
        f.mnuViewList_Click();
        std::vector<Toolbar::Button> buttons = f.Toolbar1->buttons();
        buttons.erase(buttons.begin() + f.Toolbar1->indexOf(QStringLiteral("Details")));
        f.Toolbar1->setButtons(buttons);
        f.mnuViewDetails_Click();
        QCOMPARE(f.CcXploreListView1->View(), ExplorerListView::Details);
        QVERIFY(f.mnuViewDetails->isChecked());
        QCOMPARE(f.Toolbar1->pressedKey(), QString()); // no other view looks chosen
        QCOMPARE(h->settings.read(Preferences::Section, "view"), QStringLiteral("3"));
        QCOMPARE(h->settings.read(Preferences::Section, "button"), QStringLiteral("Details"));
    }

    void barsToggleAndRelayout()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        QCOMPARE(f.picSplitter.Height(), 5290.0f);
        f.mnuViewStatusBar->trigger();
        QVERIFY(!f.mnuViewStatusBar->isChecked());
        QVERIFY(!f.StatusBar1.Visible());
        QCOMPARE(f.picSplitter.Height(), 5635.0f);
        QCOMPARE(f.CcXploreListView1.Top(), 735.0f);
        f.mnuViewToolbar->trigger();
        QVERIFY(!f.mnuViewToolbar->isChecked());
        QCOMPARE(f.CcXploreListView1.Top(), 360.0f);
        QCOMPARE(f.picSplitter.Height(), 6010.0f);
        f.mnuViewToolbar->trigger();
        f.mnuViewStatusBar->trigger();
        QVERIFY(f.mnuViewToolbar->isChecked() && f.mnuViewStatusBar->isChecked());
        QVERIFY(f.Toolbar1.Visible());
        QCOMPARE(f.picSplitter.Height(), 5290.0f);
        // The bars' visibility is not stored.
        QVERIFY(!QFile::exists(h->settingsFile()));
    }

    void statusBarHiddenElsewhereThenToggled()
    {
        frmExplore &f = h->open();
        f.StatusBar1.setVisible(false); // as the Options dialog may
        f.mnuViewStatusBar_Click();
        QVERIFY(!f.mnuViewStatusBar->isChecked());
        QVERIFY(!f.StatusBar1.Visible());
        f.mnuViewStatusBar_Click();
        QVERIFY(f.mnuViewStatusBar->isChecked());
        QVERIFY(f.StatusBar1.Visible());
    }

    void dispatch_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("view"); // the list's mode after, -1 unchanged
        QTest::addColumn<bool>("movesUp");
        QTest::newRow("UpOneLevel") << "UpOneLevel" << -1 << true;
        QTest::newRow("LargeIcon") << "LargeIcon" << 0 << false;
        QTest::newRow("SmallIcon") << "SmallIcon" << 1 << false;
        QTest::newRow("List") << "List" << 2 << false;
        QTest::newRow("Details") << "Details" << 3 << false;
        QTest::newRow("case differs") << "details" << -1 << false;
        QTest::newRow("blank button") << "" << -1 << false;
        QTest::newRow("unknown") << "Nothing" << -1 << false;
    }
    void dispatch()
    {
        QFETCH(QString, key);
        QFETCH(int, view);
        QFETCH(bool, movesUp);
        h->store(Pref::View, QStringLiteral("2"));
        frmExplore &f = h->open();
        QVERIFY(f.CcXploreTreeView1->setCurrentFolder(QStringLiteral("/usr")));
        for (auto click : {&frmExplore::Toolbar1_ButtonClick, &frmExplore::Toolbar2_ButtonClick}) {
            f.CcXploreListView1->setView(ExplorerListView::ListMode);
            QVERIFY(f.CcXploreTreeView1->setCurrentFolder(QStringLiteral("/usr")));
            (f.*click)(key);
            QCOMPARE(int(f.CcXploreListView1->View()), view < 0 ? 2 : view);
            QCOMPARE(f.CcXploreTreeView1->CurrentFolder(),
                     movesUp ? QStringLiteral("/") : QStringLiteral("/usr"));
        }
    }

    void largeToolbarClickPressesBoth()
    {
        h->store(Pref::Toolbar, QStringLiteral("large"));
        frmExplore &f = h->open();
        const int i = f.Toolbar2->indexOf(QStringLiteral("Details"));
        auto *button = f.Toolbar2->findChildren<QToolButton *>().at(i);
        button->click();
        QVERIFY(f.Toolbar2->isPressed(QStringLiteral("Details")));
        QVERIFY(f.Toolbar1->isPressed(QStringLiteral("Details")));
        QCOMPARE(f.CcXploreListView1->View(), ExplorerListView::Details);
        // One pressed button per group.
        f.Toolbar2->findChildren<QToolButton *>()
            .at(f.Toolbar2->indexOf(QStringLiteral("List")))
            ->click();
        QCOMPARE(f.Toolbar2->pressedKey(), QStringLiteral("List"));
        QVERIFY(!f.Toolbar2->isPressed(QStringLiteral("Details")));
    }

    void goTo_data()
    {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("errors");
        QTest::newRow("cancel") << std::optional<QString>() << "/" << 0;
        QTest::newRow("empty") << std::optional<QString>(QString()) << "/" << 0;
        QTest::newRow("a folder") << std::optional<QString>("/usr/share") << "/usr/share" << 0;
        QTest::newRow("leading blanks kept") << std::optional<QString>("  /usr") << "/" << 1;
        QTest::newRow("missing") << std::optional<QString>("/no/such/place") << "/" << 1;
    }
    void goTo()
    {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, folder);
        QFETCH(int, errors);
        frmExplore &f = h->open();
        h->messages.answers = {answer};
        f.menuEntry(QStringLiteral("mnuToolsGoTo"))->trigger();
        QCOMPARE(
            h->messages.questions,
            QStringList{"Go To Folder|Type the name of the path of the folder you want to open"});
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), folder);
        QCOMPARE(h->messages.errors.size(), errors);
    }

    void openStartsAMinimisedCopy_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("open") << "mnuFileOpen";
        QTest::newRow("explore") << "mnuFileExplore";
    }
    void openStartsAMinimisedCopy()
    {
        QFETCH(QString, entry);
        frmExplore &f = h->open();
        // File > Open is out of use in the menu, but its handler works.
        if (entry == QLatin1String("mnuFileOpen"))
            f.mnuFileOpen_Click();
        else
            f.menuEntry(entry)->trigger();
        QCOMPARE(h->launcher.started.size(), 1);
        QCOMPARE(h->launcher.started.first(), QStringList{h->programPath});
        QCOMPARE(h->launcher.environments.first().value(QString::fromLatin1(ShowStateVariable)),
                 QStringLiteral("minimized"));
    }

    void minimisedHintIsHonouredOnce()
    {
        QTemporaryDir dir;
        int exits = 0;
        qputenv(ShowStateVariable, "minimized");
        Program program(dir.filePath(QStringLiteral("t.ini")), [&](int) { ++exits; });
        program.Main();
        FormObject *main = program.windows().form(QString::fromLatin1(frmExplore::Name));
        QVERIFY(main->isLoaded());
        QVERIFY(main->window()->isMinimized());
        QVERIFY(qgetenv(ShowStateVariable).isEmpty());
    }

    void aRealSecondProcess()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QString::fromLatin1(ShowStateVariable), QStringLiteral("minimized"));
        qint64 pid = 0;
        QVERIFY(
            Launcher::system().startDetached(QStringLiteral(TARNWICK_EXE), {}, &environment, &pid));
        QVERIFY(pid > 0);
        // It runs on its own: its window is up once its folder watchers
        // are (inotify descriptors of its own); then we end it.
        const auto watching = [pid] {
            const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
            for (const QString &fd : QDir(fds).entryList(QDir::System | QDir::Files)) {
                char target[64] = {};
                const QByteArray link = QFile::encodeName(fds + QLatin1Char('/') + fd);
                if (readlink(link.constData(), target, sizeof target - 1) > 0 &&
                    strstr(target, "inotify"))
                    return true;
            }
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(watching(), 30000);
        QCOMPARE(::kill(pid_t(pid), 0), 0);
        QCOMPARE(::kill(pid_t(pid), SIGTERM), 0);
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(pid), 0) != 0, 10000);
    }

    void customizeToolbar()
    {
        h->store(Pref::Toolbar, QStringLiteral("large"));
        frmExplore &f = h->open();
        const auto design = f.Toolbar1->buttons();
        QPointer<ToolbarCustomizeDialog> seen;
        bool opened = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *d = qobject_cast<ToolbarCustomizeDialog *>(w); d && d->isVisible())
                    seen = d;
            }
            if (!seen)
                return;
            opened = true;
            // Remove the first button (Up One Level): the toolbar follows at once.
            seen->currentList()->setCurrentRow(0);
            seen->remove();
            QCOMPARE(f.Toolbar1->indexOf(QStringLiteral("UpOneLevel")), -1);
            // Add it back in front of Details, then move it down past it.
            seen->availableList()->setCurrentRow(1);
            seen->currentList()->setCurrentRow(f.Toolbar1->indexOf(QStringLiteral("Details")));
            seen->add();
            QCOMPARE(f.Toolbar1->indexOf(QStringLiteral("UpOneLevel")) + 1,
                     f.Toolbar1->indexOf(QStringLiteral("Details")));
            seen->moveDown();
            QCOMPARE(f.Toolbar1->indexOf(QStringLiteral("UpOneLevel")) - 1,
                     f.Toolbar1->indexOf(QStringLiteral("Details")));
            seen->accept();
        });
        f.menuEntry(QStringLiteral("mnuToolsCustomizeToolbar"))->trigger();
        QVERIFY2(opened, "the small toolbar's dialog opened, though the large one is shown");
        QVERIFY(f.Toolbar1->buttons().size() == design.size());
        QCOMPARE(buttonKeys(f.Toolbar2.get()).first(), QStringLiteral("UpOneLevel"));

        ToolbarCustomizeDialog direct(f.Toolbar1->designButtons(), f.Toolbar1->buttons());
        direct.reset();
        QCOMPARE(direct.arrangement().size(), design.size());
        QCOMPARE(ToolbarCustomizeDialog::label(direct.arrangement().back()),
                 QStringLiteral("(blank button)"));
        QCOMPARE(ToolbarCustomizeDialog::label(direct.arrangement()[1]),
                 QStringLiteral("Separator"));
    }

    // Back, Forward and Home are offered besides the design's buttons, which
    // the toolbars start with alone; added, they are kept for the next start
    // and go where they say.
    void navigationButtons()
    {
        const QStringList keys{"Back", "Forward", "Home"};
        QTemporaryDir places;
        QDir(places.path()).mkpath("a");
        frmExplore &f = h->openOn(places.path());
        for (const Toolbar *bar : {f.Toolbar1.get(), f.Toolbar2.get()})
            for (const QString &key : keys)
                QCOMPARE(bar->indexOf(key), -1);
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto *d = test::shownDialog<ToolbarCustomizeDialog>();
            if (!d)
                return;
            for (int row = 0; row < d->availableList()->count(); ++row)
                offered << d->availableList()->item(row)->text();
            d->currentList()->setCurrentRow(0);
            for (const QString &key : keys) {
                d->availableList()->setCurrentRow(int(offered.indexOf(key)));
                d->add();
                offered = QStringList{offered.first()}; // each is offered once
                for (int row = 1; row < d->availableList()->count(); ++row)
                    offered << d->availableList()->item(row)->text();
            }
            d->accept();
        });
        f.menuEntry(QStringLiteral("mnuToolsCustomizeToolbar"))->trigger();
        for (const QString &key : keys)
            QVERIFY2(!offered.contains(key), qPrintable(offered.join(", ")));
        const QString stored = h->prefs.read(Pref::Toolbar1Buttons);
        QVERIFY2(stored.startsWith("Home,Forward,Back,UpOneLevel,|,"), qPrintable(stored));
        QCOMPARE(h->prefs.read(Pref::Toolbar2Buttons), QStringLiteral("*"));

        // The next start: a word naming no button is passed over.
        h.reset();
        h = std::make_unique<test::ExploreHarness>();
        h->store(Pref::Toolbar1Buttons, "Bogus," + stored);
        frmExplore &g = h->openOn(places.path() + "/a");
        QCOMPARE(buttonKeys(g.Toolbar1.get()).mid(0, 5),
                 (QStringList{"Home", "Forward", "Back", "UpOneLevel", "|"}));
        QCOMPARE(g.Toolbar2->indexOf("Home"), -1);
        QVERIFY(!g.Toolbar1->buttons().front().picture.isNull());
        const auto press = [&](const QString &key) {
            g.Toolbar1_ButtonClick(key);
            return g.CcXploreTreeView1->CurrentFolder();
        };
        QCOMPARE(press("Home"), QDir::homePath());
        QCOMPARE(press("Back"), places.path() + "/a");
        QCOMPARE(press("Forward"), QDir::homePath());
    }

    void mapAndDisconnectANetworkDrive()
    {
        QTemporaryDir share;
        ScriptedMounter mounter(share.path());
        frmExplore &f = h->open();
        f.CcXploreTreeView1->setMounter(&mounter);
        bool mapped = false;
        QTimer::singleShot(0, [&] {
            auto *d = test::shownDialog<MapNetworkDriveDialog>();
            if (!d)
                return;
            d->findChild<QLineEdit *>(QStringLiteral("address"))
                ->setText(QStringLiteral("smb://host/share"));
            d->findChild<QPushButton *>(QStringLiteral("connect"))->click();
            mapped = true;
        });
        f.Toolbar1_ButtonClick(QStringLiteral("MapNetworkDrive"));
        QVERIFY(mapped);
        // The tree goes there once the place answers, and My Computer lists it.
        QTRY_COMPARE(f.CcXploreTreeView1->CurrentFolder(), share.path());
        NamespaceModel *m = f.CcXploreTreeView1->model();
        const QModelIndex computer = m->indexOf(Location::special(MyComputerSpace));
        QStringList volumes;
        for (int r = 0; r < m->rowCount(computer); ++r)
            volumes << m->index(r, 0, computer).data().toString();
        QVERIFY2(volumes.contains(QStringLiteral("share on host")), qPrintable(volumes.join(',')));

        bool disconnected = false;
        QTimer::singleShot(0, [&] {
            auto *d = test::shownDialog<DisconnectNetworkDriveDialog>();
            if (!d)
                return;
            d->findChild<QListWidget *>(QStringLiteral("locations"))->setCurrentRow(0);
            d->findChild<QPushButton *>(QStringLiteral("disconnect"))->click();
            QTRY_VERIFY(mounter.mounts().isEmpty());
            d->accept();
            disconnected = true;
        });
        f.menuEntry(QStringLiteral("mnuToolsDisconnectNetDrive"))->trigger();
        QVERIFY(disconnected);
        QVERIFY(mounter.mounts().isEmpty());
    }

    void selectAllAndInvert()
    {
        QTemporaryDir dir;
        frmExplore &f = h->open();
        ExplorerListView *list = showFiveFiles(f, dir);
        QVERIFY(list);
        f.StatusBar1->setSimpleText(QStringLiteral("untouched"));
        list->setSelected(1, true);
        f.menuEntry(QStringLiteral("mnuEditInvertSelection"))->trigger();
        QTRY_COMPARE(f.activePane, frmExplore::Pane::List);
        QCOMPARE((QList<bool>{list->Selected(0), list->Selected(1), list->Selected(2)}),
                 (QList<bool>{true, false, true}));
        f.mnuEditInvertSelection_Click();
        QCOMPARE((QList<bool>{list->Selected(0), list->Selected(1), list->Selected(2)}),
                 (QList<bool>{false, true, false}));
        f.mnuEditSelectAll_Click();
        f.mnuEditSelectAll_Click();
        for (int i = 0; i < 5; ++i)
            QVERIFY(list->Selected(i));
        f.mnuEditInvertSelection_Click();
        for (int i = 0; i < 5; ++i)
            QVERIFY(!list->Selected(i));
        QCOMPARE(f.StatusBar1->SimpleText(), QStringLiteral("untouched"));
    }

    void invertActsOnWhatTheUserSees_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("large icons") << int(ExplorerListView::LargeIcons);
        QTest::newRow("small icons") << int(ExplorerListView::SmallIcons);
        QTest::newRow("list") << int(ExplorerListView::ListMode);
        QTest::newRow("details") << int(ExplorerListView::Details);
    }

    // A real click selects one item; Invert must leave exactly the other
    // four selected, on screen and for the verbs alike.
    void invertActsOnWhatTheUserSees()
    {
        QFETCH(int, view);
        QTemporaryDir dir;
        frmExplore &f = h->open();
        ExplorerListView *list = showFiveFiles(f, dir);
        QVERIFY(list);
        list->setView(ExplorerListView::ViewMode(view));
        QAbstractItemView *v = list->currentView();
        const QModelIndex second = list->activeModel()->index(1, 0);
        v->scrollTo(second);
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->visualRect(second).center());
        QCOMPARE(v->selectionModel()->selectedRows().size(), 1);

        f.menuEntry(QStringLiteral("mnuEditInvertSelection"))->trigger();

        // What the view draws as selected: a row whose shown cells are all selected.
        QList<int> shown;
        for (int r = 0; r < 5; ++r) {
            const QModelIndex i = list->activeModel()->index(r, 0);
            if (v->selectionModel()->isSelected(i))
                shown << r;
        }
        QCOMPARE(shown, (QList<int>{0, 2, 3, 4}));
        QCOMPARE(v->selectionModel()->selectedRows().size(), 4);
        QList<int> counted;
        for (int r = 0; r < list->ItemCount(); ++r) {
            if (list->Selected(r))
                counted << r;
        }
        QCOMPARE(counted, shown);
        QList<QByteArray> expected;
        for (int r : shown)
            expected << QFile::encodeName(list->ItemPath(r));
        QList<QByteArray> taken = list->selectedPaths();
        std::sort(taken.begin(), taken.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(taken, expected);
    }
};

TARNWICK_TEST_MAIN(TestCommands)
#include "test_commands.moc"
