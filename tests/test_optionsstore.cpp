// What the Options dialog reads from the store and writes to it: the load
// step, the custom filters, the main window's size and its teardown, each
// checked in the settings file as it lies on disk.
#include "explorerlistview.h"
#include "optionsharness.h"
#include "panels.h"
#include "toolbar.h"

#include <QScreen>

using namespace tarnwick;

using Switches = QMap<QString, QString>; // key -> stored text

class TestOptionsStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::OptionsHarness> h;

private slots:
    void init() { h = std::make_unique<test::OptionsHarness>(); }
    void cleanup() { h.reset(); }

    // The load step against what the store and the main window hold.
    void loadStep_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("bars");           // main window: small, large, none
        QTest::addColumn<bool>("statusBar");         // main window's status bar shows
        QTest::addColumn<QString>("boxes");          // expected: small, large, status, R, H, S
        QTest::addColumn<Switches>("after");         // the file's values afterwards
        QTest::addColumn<QList<bool>>("listSwitch"); // rename, hidden, system

        QTest::newRow("empty store") << QByteArray() << "small" << true << "101111"
                                     << Switches{{"Rename", "1"},
                                                 {"HiddenFiles", "1"},
                                                 {"SystemFiles", "1"},
                                                 {"toolbar", "small"}}
                                     << QList<bool>{true, true, true};
        QTest::newRow("large toolbar, no status bar")
            << QByteArray("toolbar=large\n") << "large" << false << "010111"
            << Switches{{"toolbar", "large"}, {"Rename", "1"}} << QList<bool>{true, true, true};
        QTest::newRow("a switch stored as 0 is left alone")
            << QByteArray("Rename=0\nHiddenFiles=0\n") << "small" << true << "101001"
            << Switches{{"Rename", "0"}, {"HiddenFiles", "0"}, {"SystemFiles", "1"}}
            << QList<bool>{false, false, true};
        for (const char *odd : {"2", "yes", "", " 1", "-1", "1.0"}) {
            QTest::addRow("Rename stored as \"%s\"", odd)
                << (QByteArray("Rename=\"") + odd + "\"\nHiddenFiles=1\nSystemFiles=0\n") << "small"
                << true << "101010"
                << Switches{{"Rename", QString::fromLatin1(odd)},
                            {"HiddenFiles", "1"},
                            {"SystemFiles", "0"}}
                // The box comes up cleared and writes nothing; the list keeps
                // what the main window made of the value at its start.
                << QList<bool>{true, true, false};
        }
        QTest::newRow("no toolbar shows")
            << QByteArray("toolbar=large\n") << "none" << true << "001111"
            << Switches{{"toolbar", "large"}} << QList<bool>{true, true, true};
    }

    void loadStep()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, bars);
        QFETCH(bool, statusBar);
        QFETCH(QString, boxes);
        QFETCH(Switches, after);
        QFETCH(QList<bool>, listSwitch);

        QVERIFY(h->writeSettings(stored));
        frmExplore &f = h->open();
        if (bars == "none") {
            f.Toolbar1.setVisible(false);
            f.Toolbar2.setVisible(false);
        }
        if (!statusBar)
            f.StatusBar1.setVisible(false);
        // The opening must rewrite "toolbar" from what shows, not keep this.
        if (bars != "none")
            h->store(Pref::Toolbar, QStringLiteral("stale"));

        frmOptions &o = h->openOptions();
        const QList<QCheckBox *> order{o.chkToolBar.get(),    o.chkToolBar2.get(),
                                       o.chkStatusBar.get(),  o.chkAllowRename.get(),
                                       o.chkShowHidden.get(), o.chkShowSystem.get()};
        QString got;
        for (QCheckBox *b : order)
            got += b->checkState() == Qt::Checked     ? '1'
                   : b->checkState() == Qt::Unchecked ? '0'
                                                      : 'g';
        QCOMPARE(got, boxes);
        for (auto it = after.begin(); it != after.end(); ++it)
            QCOMPARE(h->onDisk(it.key()), std::optional<QString>(it.value()));
        QCOMPARE(f.CcXploreListView1->AllowFileRename(), listSwitch[0]);
        QCOMPARE(f.CcXploreListView1->Hidden(), listSwitch[1]);
        QCOMPARE(f.CcXploreListView1->System(), listSwitch[2]);
        QCOMPARE(f.Toolbar1.Visible(), bars == "small");
        QCOMPARE(f.Toolbar2.Visible(), bars == "large");
        QCOMPARE(f.picToolbar1.Height(), bars == "small" ? 375.0f : 560.0f);
    }

    void openingSizesTheMainWindow_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::newRow("nothing stored") << QByteArray() << 20000.0f << 15000.0f;
        QTest::newRow("stored size")
            << QByteArray("Height=5400\nWidth=8250\n") << 8250.0f << 5400.0f;
        QTest::newRow("fractions")
            << QByteArray("Height=5407.5\nWidth=8250.4\n") << 8250.4f << 5407.5f;
        QTest::newRow("not numbers") << QByteArray("Height=tall\nWidth=\n") << 20000.0f << 15000.0f;
        QTest::newRow("zero and negative")
            << QByteArray("Height=0\nWidth=-9000\n") << 20000.0f << 15000.0f;
        QTest::newRow("not finite")
            << QByteArray("Height=nan\nWidth=inf\n") << 20000.0f << 15000.0f;
        QTest::newRow("beyond the screen")
            << QByteArray("Height=1e9\nWidth=3e38\n") << 1e9f << 1e9f;
        QTest::newRow("too small to use")
            << QByteArray("Height=15\nWidth=30\n") << 4800.0f << 3600.0f;
    }

    // Whatever the user made of the window in this run, opening the dialog
    // gives it the stored size, clamped so that it stays usable.
    void openingSizesTheMainWindow()
    {
        QFETCH(QByteArray, stored);
        QFETCH(float, width);
        QFETCH(float, height);
        QVERIFY(h->writeSettings(stored));
        h->open();
        h->setClient(6000, 4000);
        h->openOptions();
        QTRY_COMPARE(h->outerSize(), h->expectedOuter(width, height));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(free.contains(h->form().window()->frameGeometry()));
        QCOMPARE(h->form().Width(), h->form().scale().toTwips(h->outerSize().width()));
    }

    void maximisedOrMinimisedWindowKeepsItsState_data()
    {
        QTest::addColumn<Qt::WindowState>("state");
        QTest::newRow("maximised") << Qt::WindowMaximized;
        QTest::newRow("minimised") << Qt::WindowMinimized;
    }

    void maximisedOrMinimisedWindowKeepsItsState()
    {
        QFETCH(Qt::WindowState, state);
        QVERIFY(h->writeSettings("Height=5400\nWidth=8250\n"));
        frmExplore &f = h->open();
        f.window()->setWindowState(state);
        QTRY_COMPARE(f.window()->windowState(), Qt::WindowStates(state));
        h->openOptions();
        QCOMPARE(f.window()->windowState(), Qt::WindowStates(state));
        // The stored size is the one it will have, and the one written back.
        QCOMPARE(f.Height(), 5400.0f);
        QCOMPARE(f.Width(), 8250.0f);
        f.window()->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(h->outerSize(), h->expectedOuter(8250, 5400));
    }

    void okCommitsTheFilters_data()
    {
        QTest::addColumn<QStringList>("typed"); // twelve slots
        QTest::addColumn<QStringList>("listed");

        const QStringList builtIn{"*.*", "*.txt", "*.doc"};
        QStringList none(12);
        QTest::newRow("nothing typed") << none << builtIn;
        QStringList gaps(12);
        gaps[2] = "*.cpp";
        gaps[6] = "*.h";
        QTest::newRow("slots 3 and 7") << gaps << builtIn + QStringList{"*.cpp", "*.h"};
        QStringList odd(12);
        odd[0] = "*.*";
        odd[1] = "   ";
        odd[2] = " *.log ";
        odd[3] = "*.cpp;*.h";
        odd[4] = "a=b,c";
        odd[5] = "@at";
        odd[6] = "#hash";
        odd[7] = "[Settings]";
        odd[8] = "\"quoted\"";
        odd[9] = "back\\slash";
        odd[10] = QString::fromUtf8("été*.txt");
        odd[11] = QString(300, QLatin1Char('x'));
        QTest::newRow("texts kept as typed") << odd << builtIn + odd;
        QStringList pasted(12);
        pasted[0] = "two\nlines";
        pasted[11] = "tab\there";
        QTest::newRow("pasted control characters")
            << pasted << builtIn + QStringList{pasted[0], pasted[11]};
    }

    void okCommitsTheFilters()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, listed);
        frmExplore &f = h->open();
        f.cboFilter->setEditText(QStringLiteral("*.txt"));
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("*.txt"));
        int patternChanges = 0;
        connect(f.cboFilter.get(), &QComboBox::editTextChanged, this, [&] { ++patternChanges; });

        frmOptions &o = h->openOptions();
        test::clickTab(o, 1);
        for (int i = 0; i < 12; ++i) {
            o.txtFilter[size_t(i)]->setFocus();
            o.txtFilter[size_t(i)]->clear();
            test::typeText(o.txtFilter[size_t(i)].get(), typed[i]);
            QCOMPARE(o.txtFilter[size_t(i)]->text(), typed[i]);
        }
        QTest::mouseClick(o.Command1.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());

        for (int i = 0; i < 12; ++i)
            QCOMPARE(h->onDisk(QStringLiteral("filter%1").arg(i + 1)), typed[i]);
        QCOMPARE(test::comboItems(f.cboFilter.get()), listed);
        QCOMPARE(f.cboFilter->currentText(), QStringLiteral("*.txt"));
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("*.txt"));
        QCOMPARE(patternChanges, 0);

        // Reopening shows each text in its own slot.
        h->openOptions();
        for (int i = 0; i < 12; ++i)
            QCOMPARE(o.txtFilter[size_t(i)]->text(), typed[i]);
    }

    void cancelDropsFilterEdits()
    {
        QVERIFY(h->writeSettings("filter2=*.old\n"));
        frmExplore &f = h->open();
        const QStringList before = test::comboItems(f.cboFilter.get());
        frmOptions &o = h->openOptions();
        QCOMPARE(o.txtFilter[1]->text(), QStringLiteral("*.old"));
        o.txtFilter[1]->setText(QStringLiteral("*.new"));
        o.txtFilter[5]->setText(QStringLiteral("*.more"));
        QTest::mouseClick(o.cmdCancel.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());
        QCOMPARE(h->onDisk("filter2"), QStringLiteral("*.old"));
        QVERIFY(!h->onDisk("filter6"));
        QCOMPARE(test::comboItems(f.cboFilter.get()), before);
        h->openOptions();
        QCOMPARE(o.txtFilter[1]->text(), QStringLiteral("*.old"));
        QVERIFY(o.txtFilter[5]->text().isEmpty());
    }

    void teardownWritesTheLastSize_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("orderly");
        QTest::newRow("opened, close box") << true << true;
        QTest::newRow("opened, File > Close") << true << false;
        QTest::newRow("never opened, close box") << false << true;
    }

    void teardownWritesTheLastSize()
    {
        QFETCH(bool, opened);
        QFETCH(bool, orderly);
        frmExplore &f = h->open();
        if (opened) {
            frmOptions &o = h->openOptions();
            o.window()->close();
            QTRY_VERIFY(!o.isLoaded());
        }
        h->setClient(7005, 4500);
        const QSize outer = h->outerSize();
        if (orderly)
            f.window()->close();
        else
            f.mnuFileClose_Click();
        QCOMPARE(h->exits, 1);
        QTRY_VERIFY(!f.isLoaded());
        if (opened && orderly) {
            QCOMPARE(h->onDisk("Height"), QString::number(f.scale().toTwips(outer.height())));
            QCOMPARE(h->onDisk("Width"), QString::number(f.scale().toTwips(outer.width())));
        } else {
            QVERIFY(!h->onDisk("Height"));
            QVERIFY(!h->onDisk("Width"));
        }
    }
};

TARNWICK_TEST_MAIN(TestOptionsStore)
#include "test_optionsstore.moc"
