// The keyboard as a user of a file manager works it: Tab through the header
// row and the panes, the keys no menu shows, Enter and the context-menu keys.
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "fileopener.h"
#include "fileoperationdialogs.h"
#include "findwindow.h"
#include "foldermodel.h"
#include "harness.h"
#include "namespacemodel.h"
#include "propertiesdialog.h"
#include "shellverbs.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QTreeView>

using namespace tarnwick;

namespace {

// Which part of the window holds the focus, by name.
QString focusedPart(frmExplore &f)
{
    const QWidget *w = QApplication::focusWidget();
    const auto within = [w](const QWidget *part) {
        return w && (w == part || part->isAncestorOf(w));
    };
    if (within(f.CcXploreCombo1.get()))
        return QStringLiteral("address");
    if (within(f.cboFilter.get()))
        return QStringLiteral("filter");
    if (within(f.CcXploreTreeView1.get()))
        return QStringLiteral("tree");
    if (within(f.CcXploreListView1.get()))
        return QStringLiteral("list");
    return w ? QString::fromLatin1(w->metaObject()->className()) : QStringLiteral("nothing");
}

// The captions of the popup menu that `open` brings up, which is closed again.
QStringList popupEntries(const std::function<void()> &open)
{
    QStringList entries;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            seen = true;
            for (QAction *a : menu->actions()) {
                if (!a->isSeparator())
                    entries << a->text();
            }
            menu->close();
        }
    });
    open(); // returns once the menu has closed
    return seen ? entries : QStringList{QStringLiteral("(no menu)")};
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;
    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }

    // Active, so that the window's own keys reach it.
    frmExplore &openOn(const QString &folder) { return h->openOn(folder, true); }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root() + "/a/b");
        QDir().mkpath(root() + "/c");
        test::writeFile(root() + "/a/b/file.txt", "x");
        h = std::make_unique<test::ExploreHarness>();
    }
    void cleanup() { h.reset(); }

    void tabGoesRoundTheHeaderAndThePanes()
    {
        frmExplore &f = openOn(root() + "/a");
        f.CcXploreCombo1->lineEdit()->setFocus();
        QStringList forward{focusedPart(f)};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << focusedPart(f);
        }
        QCOMPARE(forward, (QStringList{"address", "filter", "tree", "list", "address"}));
        QStringList backward{focusedPart(f)};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward << focusedPart(f);
        }
        QCOMPARE(backward, (QStringList{"address", "list", "tree", "filter", "address"}));
    }

    void windowKeys_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("folder"); // under root; "" when it stays
        const QKeySequence backspace(Qt::Key_Backspace);
        QTest::newRow("Ctrl+L") << "list" << QKeySequence(Qt::CTRL | Qt::Key_L) << "address"
                                << "";
        QTest::newRow("Alt+D") << "tree" << QKeySequence(Qt::ALT | Qt::Key_D) << "address"
                               << "";
        QTest::newRow("F4") << "list" << QKeySequence(Qt::Key_F4) << "address"
                            << "";
        QTest::newRow("F6 from the address") << "address" << QKeySequence(Qt::Key_F6) << "tree"
                                             << "";
        QTest::newRow("F6 from the tree") << "tree" << QKeySequence(Qt::Key_F6) << "list"
                                          << "";
        QTest::newRow("F6 from the list") << "list" << QKeySequence(Qt::Key_F6) << "address"
                                          << "";
        QTest::newRow("Shift+F6 from the tree")
            << "tree" << QKeySequence(Qt::SHIFT | Qt::Key_F6) << "address"
            << "";
        QTest::newRow("Backspace in the list") << "list" << backspace << "list"
                                               << "/a";
        QTest::newRow("Backspace in the tree") << "tree" << backspace << "tree"
                                               << "/a";
        QTest::newRow("Backspace in the address box edits") << "address" << backspace << "address"
                                                            << "";
        QTest::newRow("Alt+Up") << "list" << QKeySequence(Qt::ALT | Qt::Key_Up) << "list"
                                << "/a";
        QTest::newRow("Alt+Left") << "list" << QKeySequence(Qt::ALT | Qt::Key_Left) << "list"
                                  << "/c";
        QTest::newRow("Alt+Right with nothing ahead")
            << "list" << QKeySequence(Qt::ALT | Qt::Key_Right) << "list"
            << "";
    }
    void windowKeys()
    {
        QFETCH(QString, from);
        QFETCH(QKeySequence, key);
        QFETCH(QString, focus);
        QFETCH(QString, folder);
        frmExplore &f = openOn(root() + "/c");
        f.CcXploreTreeView1->setCurrentFolder(root() + "/a/b");
        QVERIFY(test::waitListed(f.CcXploreListView1.get()));
        QLineEdit *address = f.CcXploreCombo1->lineEdit();
        if (from == "address")
            address->setFocus();
        else if (from == "tree")
            f.CcXploreTreeView1->view()->setFocus();
        else
            f.CcXploreListView1->currentView()->setFocus();
        QCOMPARE(focusedPart(f), from);
        const QString before = address->text();

        QTest::keySequence(QApplication::focusWidget(), key);
        QCOMPARE(focusedPart(f), focus);
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(),
                 folder.isEmpty() ? root() + "/a/b" : root() + folder);
        if (focus == "address" && from != "address") {
            QCOMPARE(address->selectedText(), address->text()); // ready to be typed over
        }
        if (from == "address" && key == QKeySequence(Qt::Key_Backspace))
            QCOMPARE(address->text(), before.chopped(1));
    }

    void backAndForward()
    {
        frmExplore &f = openOn(root() + "/a");
        ExplorerTreeView *tree = f.CcXploreTreeView1.get();
        for (const char *sub : {"/a/b", "/c"})
            QVERIFY(tree->setCurrentFolder(root() + sub));
        QWidget *list = f.CcXploreListView1->currentView();
        list->setFocus();
        const auto press = [&](Qt::Key k) {
            QTest::keyClick(QApplication::focusWidget(), k, Qt::AltModifier);
            return tree->CurrentFolder().mid(root().size());
        };
        QCOMPARE(press(Qt::Key_Left), "/a/b");
        QCOMPARE(press(Qt::Key_Left), "/a");
        QCOMPARE(press(Qt::Key_Right), "/a/b");
        // A new place drops what lay ahead.
        QVERIFY(tree->setCurrentFolder(root()));
        QCOMPARE(press(Qt::Key_Right), "");
        QCOMPARE(press(Qt::Key_Left), "/a/b");
    }

    void f3OpensFind()
    {
        frmExplore &f = openOn(root() + "/a");
        f.CcXploreListView1->currentView()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
        QTRY_VERIFY(test::shownDialog<FindWindow>());
        test::shownDialog<FindWindow>()->close();
    }

    void enterOpensTheCurrentItem()
    {
        frmExplore &f = openOn(root() + "/a");
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        view->setFocus();
        view->setCurrentIndex(list->model()->index(list->model()->rowOfName("b"), 0));
        QTest::keyClick(view, Qt::Key_Return);
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), root() + "/a/b");
        QVERIFY(test::waitListed(list));
        view = list->currentView();
        view->setCurrentIndex(list->model()->index(list->model()->rowOfName("file.txt"), 0));
        // Opened with the machine's application for text, or, with none,
        // the user asked for one.
        struct Asker : OpenAsker
        {
            std::optional<Choice> chooseApplication(QWidget *, const QString &,
                                                    const QString &prompt) override
            {
                prompts << prompt;
                return std::nullopt;
            }
            RunAnswer askRun(QWidget *, const QString &, const QString &) override
            {
                return RunAnswer::Cancel;
            }
            QStringList prompts;
        } asker;
        list->setOpenAsker(&asker);
        QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
        QTRY_COMPARE(h->launcher.launches.size() + asker.prompts.size(), 1);
        if (asker.prompts.isEmpty())
            QCOMPARE(h->launcher.launches.first().second,
                     QList<QByteArray>{QFile::encodeName(root() + "/a/b/file.txt")});
        else
            QVERIFY(asker.prompts.first().contains("“file.txt”"));
    }

    // Ctrl+H flips the stored switch the Options dialog's box shows, in both
    // panes, from wherever the focus is in the window.
    void ctrlHShowsOrHidesHiddenFiles()
    {
        test::writeFile(root() + "/a/.dot", "x");
        frmExplore &f = openOn(root() + "/a");
        ExplorerListView *list = f.CcXploreListView1.get();
        const QString shown[] = {QStringLiteral("0"), QStringLiteral("1")};
        for (const bool show : {false, true}) {
            if (show)
                f.CcXploreCombo1->lineEdit()->setFocus();
            else
                list->currentView()->setFocus();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::ControlModifier);
            QCOMPARE(h->prefs.read(Pref::HiddenFiles), shown[show]);
            QCOMPARE(f.CcXploreTreeView1->model()->showHidden(), show);
            QTRY_COMPARE(list->model()->rowOfName(".dot") >= 0, show);
        }
    }

    // Alt+Enter shows the Properties of the selection rather than opening it.
    void altEnterShowsProperties_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<int>("key");
        QTest::newRow("list, Return") << false << int(Qt::Key_Return);
        QTest::newRow("list, keypad Enter") << false << int(Qt::Key_Enter);
        QTest::newRow("tree, Return") << true << int(Qt::Key_Return);
    }
    void altEnterShowsProperties()
    {
        QFETCH(bool, inTree);
        QFETCH(int, key);
        frmExplore &f = openOn(root() + "/a");
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view =
            inTree ? static_cast<QAbstractItemView *>(f.CcXploreTreeView1->view())
                   : list->currentView();
        view->setFocus();
        if (!inTree)
            view->setCurrentIndex(list->model()->index(list->model()->rowOfName("b"), 0));
        QString title;
        QTimer::singleShot(0, [&] {
            if (auto *d = test::shownDialog<PropertiesDialog>()) {
                title = d->windowTitle();
                d->reject();
            }
        });
        const Qt::KeyboardModifiers mods =
            Qt::AltModifier | (key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QTest::keyClick(view, Qt::Key(key), mods);
        QCOMPARE(title, inTree ? QString("Properties of a") : QString("Properties of b"));
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), root() + "/a"); // nothing opened
    }

    // A menu closed with Escape leaves the keys with the menu bar; Ctrl+V
    // still pastes into the pane last worked in.
    void pasteAfterAMenuWasClosed()
    {
        test::writeFile(root() + "/elsewhere.txt", "x");
        frmExplore &f = openOn(root() + "/c");
        QAbstractItemView *view = f.CcXploreListView1->currentView();
        view->setFocus();
        QCOMPARE(f.activePane, frmExplore::Pane::List);
        ShellVerbs::putOnClipboard({QFile::encodeName(root() + "/elsewhere.txt")}, false);
        QMenuBar *bar = static_cast<QMainWindow *>(f.window())->menuBar();
        bar->setFocus(Qt::MenuBarFocusReason);
        QTest::keySequence(bar, QKeySequence::Paste);
        QTRY_VERIFY(QFile::exists(root() + "/c/elsewhere.txt"));
        QCOMPARE(focusedPart(f), QStringLiteral("list"));
    }

    void contextMenuKeys_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<QKeySequence>("key");
        for (const bool tree : {false, true}) {
            const char *pane = tree ? "tree" : "list";
            QTest::addRow("%s: Shift+F10", pane) << tree << QKeySequence(Qt::SHIFT | Qt::Key_F10);
            QTest::addRow("%s: Menu", pane) << tree << QKeySequence(Qt::Key_Menu);
        }
    }
    void contextMenuKeys()
    {
        QFETCH(bool, inTree);
        QFETCH(QKeySequence, key);
        frmExplore &f = openOn(root() + "/a");
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view =
            inTree ? static_cast<QAbstractItemView *>(f.CcXploreTreeView1->view())
                   : list->currentView();
        view->setFocus();
        if (!inTree)
            view->setCurrentIndex(list->model()->index(list->model()->rowOfName("b"), 0));
        const QStringList entries = popupEntries([&] { QTest::keySequence(view, key); });
        // The menu of an item, not of the folder's background.
        QVERIFY2(entries.contains("&Open") && entries.contains("&Copy"),
                 qPrintable(entries.join(", ")));
    }

    void contextMenuKeyWithoutACurrentItemIsTheFolders()
    {
        frmExplore &f = openOn(root() + "/c");
        QAbstractItemView *view = f.CcXploreListView1->currentView();
        view->setFocus();
        const QStringList entries =
            popupEntries([&] { QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier); });
        QVERIFY2(!entries.contains("&Open") && !entries.isEmpty(), qPrintable(entries.join(", ")));
    }

    // Undo and Redo head the folder's menu in both panes, naming what they
    // act on as plain text, and Ctrl+Z and Ctrl+Shift+Z run them there.
    void undoRedoKeysAndMenus_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::newRow("list") << false;
        QTest::newRow("tree") << true;
    }
    void undoRedoKeysAndMenus()
    {
        QFETCH(bool, inTree);
        UndoJournal::keepShared(root() + "/state");
        test::writeFile(root() + "/c/x", "x");
        frmExplore &f = openOn(root() + "/c");
        const QByteArray from = QFile::encodeName(root() + "/c/x");
        QVERIFY(runJobModal(Jobs::rename(from, "a&b.txt"), f.window()).errors.isEmpty());
        QAbstractItemView *view =
            inTree ? static_cast<QAbstractItemView *>(f.CcXploreTreeView1->view())
                   : f.CcXploreListView1->currentView();
        view->setFocus();
        if (!inTree)
            view->setCurrentIndex({});
        const auto menu = [&] {
            return popupEntries([&] { QTest::keyClick(view, Qt::Key_F10, Qt::ShiftModifier); })
                .mid(0, 2);
        };
        QCOMPARE(menu(), (QStringList{"&Undo Rename of \u201ca&&b.txt\u201d", "R&edo"}));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY(QFile::exists(root() + "/c/x"));
        QTRY_VERIFY(f.CcXploreListView1->model()->rowOfName("x") >= 0); // the pane follows
        QTRY_VERIFY(!UndoJournal::shared()->load().constLast().busy);
        QCOMPARE(menu().at(1), QString("R&edo Rename of \u201cx\u201d"));
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_VERIFY(QFile::exists(root() + "/c/a&b.txt"));
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
