#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "harness.h"
#include "panels.h"
#include "toolbar.h"

#include <QAccessible>
#include <QComboBox>
#include <QMenuBar>

using namespace tarnwick;

namespace {

// A window object with a teardown, as the Options dialog will have.
class TeardownForm : public FormObject
{
public:
    explicit TeardownForm(int *teardowns)
        : FormObject(QStringLiteral("frmTest")), teardowns_(teardowns)
    {
    }
    void teardown() override { ++*teardowns_; }
    int loads = 0;

protected:
    QWidget *build() override { return new QWidget; }
    void Form_Load() override { ++loads; }

private:
    int *teardowns_;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;
    int teardowns = 0;

    void defineTeardownForm()
    {
        h->windows.define(QStringLiteral("frmTest"), [this](WindowRegistry &) {
            return std::make_unique<TeardownForm>(&teardowns);
        });
    }

private slots:
    void init()
    {
        h = std::make_unique<test::ExploreHarness>();
        teardowns = 0;
    }
    void cleanup() { h.reset(); }

    void load_data()
    {
        QTest::addColumn<QStringList>("stored"); // key=value pairs
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("smallToolbar");
        QTest::addColumn<QStringList>("filters");
        QTest::addColumn<bool>("hidden");
        QTest::addColumn<bool>("rename");
        QTest::addColumn<bool>("system");
        const QStringList design{"*.*", "*.doc", "*.txt"};
        QTest::newRow("empty store")
            << QStringList{} << 1 << true << design << true << true << true;
        QTest::newRow("toolbar large")
            << QStringList{"toolbar=large"} << 1 << false << design << true << true << true;
        QTest::newRow("toolbar Small is large")
            << QStringList{"toolbar=Small"} << 1 << false << design << true << true << true;
        QTest::newRow("filters 2 and 7")
            << QStringList{"filter2=*.md", "filter7=*.cpp;*.h"} << 1 << true
            << (design + QStringList{"*.md", "*.cpp;*.h"}) << true << true << true;
        QTest::newRow("all switches off")
            << QStringList{"view=3", "HiddenFiles=0", "Rename=0", "SystemFiles=0"} << 3 << true
            << design << false << false << false;
        QTest::newRow("large icons")
            << QStringList{"view=0"} << 0 << true << design << true << true << true;
        QTest::newRow("garbage values")
            << QStringList{"view=7", "button=Nothing", "HiddenFiles=yes", "Rename=2",
                           "SystemFiles=x"}
            << 1 << true << design << true << true << true;
    }
    void load()
    {
        QFETCH(QStringList, stored);
        QFETCH(int, view);
        QFETCH(bool, smallToolbar);
        QFETCH(QStringList, filters);
        QFETCH(bool, hidden);
        QFETCH(bool, rename);
        QFETCH(bool, system);
        for (const QString &pair : stored) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            h->settings.write(Preferences::Section, pair.left(eq), pair.mid(eq + 1));
        }
        frmExplore &f = h->open();
        QCOMPARE(int(f.CcXploreListView1->View()), view);
        QCOMPARE(f.Toolbar1.Visible(), smallToolbar);
        QCOMPARE(f.Toolbar2.Visible(), !smallToolbar);
        QCOMPARE(f.picToolbar1.Height(), smallToolbar ? 375.0f : 560.0f);
        QCOMPARE(test::comboItems(f.cboFilter.get()), filters);
        QCOMPARE(f.cboFilter->currentText(), QStringLiteral("*.*"));
        QCOMPARE(f.CcXploreListView1->Hidden(), hidden);
        QCOMPARE(f.CcXploreListView1->AllowFileRename(), rename);
        QCOMPARE(f.CcXploreListView1->System(), system);
        QVERIFY(!f.CcXploreCombo12.Visible());
        QVERIFY(!f.rtfPrintWindow.Visible());
    }

    void loadWritesNothing()
    {
        h->open();
        QVERIFY(!QFile::exists(h->settingsFile()));
    }

    void startsAtTheRootFolder()
    {
        frmExplore &f = h->open();
        QCOMPARE(f.CcXploreTreeView1->CurrentFolder(), QStringLiteral("/"));
        QCOMPARE(f.CcXploreListView1->folder(), QStringLiteral("/"));
        QCOMPARE(f.CcXploreCombo1->currentText(), QStringLiteral("/"));
    }

    void designState()
    {
        // Before any event is processed: the folder-change notification that
        // rewrites the list caption is still queued.
        frmExplore &f = h->form();
        f.load();
        QCOMPARE(f.Text1->text(), QStringLiteral("Filter"));
        QCOMPARE(f.txtStatus1->text(), QStringLiteral("Address"));
        QCOMPARE(f.txtStatus2->text(), QStringLiteral("Filter"));
        QCOMPARE(f.StatusBar1->SimpleText(), QString());
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("*.*"));
        QCOMPARE(f.Toolbar1.rect(), (TwipsRect{120, 0, 7575, 330}));
        QCOMPARE(f.Toolbar2.rect(), (TwipsRect{120, -15, 9975, 570}));
        QCOMPARE(f.CcXploreCombo12.rect(), (TwipsRect{120, 0, 2415, 360}));
        QCOMPARE(f.CcXploreCombo12->parentWidget(), f.picToolbar1.get());
        QCOMPARE(f.Toolbar1->parentWidget(), f.picToolbar1.get());
        QCOMPARE(f.Text1.Width(), 495.0f);
        QCOMPARE(f.cboFilter.Width(), 975.0f);
        QVERIFY(!f.splitterDragging);
    }

    void stackingOrder()
    {
        frmExplore &f = h->open();
        // Later children paint over earlier ones.
        const QObjectList kids = f.formWindow()->client()->children();
        auto pos = [&](QWidget *w) { return kids.indexOf(w); };
        const QList<QWidget *> topDown{(QWidget *)f.CcXploreCombo1.get(),
                                       f.CcXploreListView1.get(),
                                       f.CcXploreTreeView1.get(),
                                       f.Text1.get(),
                                       f.rtfPrintWindow.get(),
                                       f.cboFilter.get(),
                                       f.txtStatus1.get(),
                                       f.picToolbar1.get(),
                                       f.picSplitter.get(),
                                       f.StatusBar1.get(),
                                       f.txtStatus2.get()};
        for (qsizetype i = 1; i < topDown.size(); ++i)
            QVERIFY2(pos(topDown[i - 1]) > pos(topDown[i]),
                     qPrintable(topDown[i]->metaObject()->className()));
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *n : {"Folders", "Contents", "Address", "Filter", "Small toolbar",
                              "Large toolbar", "Splitter"})
            QTest::newRow(n) << QString::fromLatin1(n);
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        frmExplore &f = h->open();
        const QList<QWidget *> all = f.window()->findChildren<QWidget *>();
        const bool found = std::any_of(all.begin(), all.end(),
                                       [&](QWidget *w) { return w->accessibleName() == name; });
        QVERIFY2(found, qPrintable(name));
    }

    void tabMovesThroughHeaderAndPanes()
    {
        frmExplore &f = h->open();
        QWidget *combo = f.CcXploreCombo1.get();
        combo->setFocus();
        QTRY_VERIFY(combo->hasFocus());
        QList<QWidget *> visited;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QVERIFY(f.cboFilter->isAncestorOf(visited[0]) || visited[0] == f.cboFilter.get());
        QVERIFY(f.CcXploreTreeView1->isAncestorOf(visited[1]));
        QVERIFY(f.CcXploreListView1->isAncestorOf(visited[2]));
    }

    void windowObjectsExistOnce()
    {
        FormObject *a = h->windows.form(QString::fromLatin1(frmExplore::Name));
        FormObject *b = h->windows.form(QString::fromLatin1(frmExplore::Name));
        QCOMPARE(a, b);
        QVERIFY(!a->isLoaded());
        QCOMPARE(h->windows.form(QStringLiteral("frmNowhere")), nullptr);
        QCOMPARE(h->windows.existing(QStringLiteral("frmTest")), nullptr);
    }

    void reopeningBuildsAfresh()
    {
        defineTeardownForm();
        h->store(filterPref(1), QStringLiteral("*.md"));
        frmExplore &f = h->open();
        QCOMPARE(f.cboFilter->count(), 4);
        f.cboFilter->addItem(QStringLiteral("typed"));
        auto &other = h->windows.get<TeardownForm>(QStringLiteral("frmTest"));
        other.show();
        other.window()->close();
        QTRY_VERIFY(!other.isLoaded());
        other.show();
        QCOMPARE(other.loads, 2);
        // The main window the same way, by unloading it without ending.
        f.unload();
        QVERIFY(!f.isLoaded());
        QVERIFY(!f.cboFilter.isLoaded());
        f.show();
        QCOMPARE(f.cboFilter->count(), 4);
        QCOMPARE(h->exits, 0);
    }

    void closeBoxIsTheOrderlyEnd()
    {
        defineTeardownForm();
        frmExplore &f = h->open();
        auto &other = h->windows.get<TeardownForm>(QStringLiteral("frmTest"));
        other.load(); // loaded but hidden: must not hold the end back
        f.window()->close();
        QCOMPARE(h->exits, 1);
        QCOMPARE(h->exitCode, 0);
        QCOMPARE(teardowns, 1);
        QVERIFY(!f.window()->isVisible());
        QTRY_VERIFY(!f.isLoaded());
        QTRY_VERIFY(!other.isLoaded());
    }

    void fileCloseEndsAtOnce()
    {
        defineTeardownForm();
        frmExplore &f = h->open();
        h->windows.get<TeardownForm>(QStringLiteral("frmTest")).show();
        QCOMPARE(f.mnuFileClose->text(), QStringLiteral("&Close"));
        QVERIFY(f.mnuFileTop->actions().contains(f.mnuFileClose.data()));
        f.mnuFileClose->trigger();
        QCOMPARE(h->exits, 1);
        QCOMPARE(teardowns, 0);
        QTRY_VERIFY(!f.isLoaded());
    }

    void teardownOnlyForCreatedForms()
    {
        defineTeardownForm();
        frmExplore &f = h->open();
        f.window()->close();
        QCOMPARE(h->exits, 1);
        QCOMPARE(teardowns, 0);
    }
};

TARNWICK_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
