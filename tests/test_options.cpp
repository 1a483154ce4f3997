// The Options dialog driven as a user drives it, against a real settings file:
// after each action the file itself is read back with an independent INI
// reader, not through the program's store.
#include "explorerlistview.h"
#include "frmoptions.h"
#include "harness.h"
#include "panels.h"
#include "toolbar.h"
#include "toolbarcustomizer.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QScreen>
#include <QSettings>
#include <QTabBar>

using namespace tarnwick;

namespace {

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// The top-level dialog of that kind that shows, if any.
template <class D> D *shownDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<D *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

using Switches = QMap<QString, QString>; // key -> stored text; "-" for absent

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;

    frmOptions &options()
    {
        return h->windows.get<frmOptions>(QString::fromLatin1(frmOptions::Name));
    }

    // Opens the dialog without waiting in it, as its load step leaves it.
    frmOptions &openOptions()
    {
        if (!h->form().isLoaded())
            h->open();
        frmOptions &o = options();
        o.show();
        if (!QTest::qWaitForWindowExposed(o.window()))
            qWarning("Options not exposed");
        return o;
    }

    // The stored text as the file holds it now; nullopt when absent.
    std::optional<QString> onDisk(const QString &key) const
    {
        // Read from a copy under a new name each time: the INI reader keeps
        // files it has read by name, and two writes within one tick of the
        // file clock can leave the same size and time behind.
        static int reads = 0;
        const QString copy = h->dir_.filePath(QStringLiteral("read-%1.ini").arg(++reads));
        if (!test::writeFile(copy, fileBytes()))
            return std::nullopt;
        QSettings file(copy, QSettings::IniFormat);
        const QVariant v = file.value(QStringLiteral("Settings/") + key);
        if (!v.isValid())
            return std::nullopt;
        return v.toString();
    }
    QByteArray fileBytes() const
    {
        QFile f(h->settingsFile());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The file as a program writing by hand would leave it.
    void writeSettings(const QByteArray &body)
    {
        QVERIFY(test::writeFile(h->settingsFile(), "[Settings]\n" + body));
    }

    QSize screenFree() const
    {
        return QGuiApplication::primaryScreen()->availableGeometry().size();
    }
    // Outer pixels of the main window for a size in twips, as the screen allows.
    QSize expectedOuter(float widthTwips, float heightTwips)
    {
        const TwipsScale &s = h->form().scale();
        return QSize(s.toPixels(widthTwips), s.toPixels(heightTwips)).boundedTo(screenFree());
    }
    QSize outerSize() { return h->form().window()->frameGeometry().size(); }

    void clickTab(frmOptions &o, int index)
    {
        QTabBar *bar = o.TabStrip1->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    // Key by key, as typed; characters beyond ASCII as a keyboard layout
    // delivers them, by their text.
    static void typeText(QWidget *w, const QString &text)
    {
        for (const QChar c : text) {
            // No key types a control character: it comes pasted.
            if (c.unicode() < 0x20) {
                QGuiApplication::clipboard()->setText(QString(c));
                QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
                continue;
            }
            if (c.unicode() < 0x80) {
                QTest::keyClick(w, c.toLatin1());
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QApplication::sendEvent(w, &release);
        }
    }
    void clickBox(QCheckBox *box)
    {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
    }

private slots:
    void init() { h = std::make_unique<test::ExploreHarness>(); }
    void cleanup() { h.reset(); }

    void dialogAsDesigned()
    {
        frmOptions &o = openOptions();
        QDialog *d = o.dialog();
        QCOMPARE(d->windowTitle(), QStringLiteral("Options"));
        const Qt::WindowFlags flags = d->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        const TwipsScale &s = o.scale();
        const QSize client(s.toPixels(4800), s.toPixels(3960));
        QCOMPARE(d->size(), client);
        QCOMPARE(d->minimumSize(), client);
        QCOMPARE(d->maximumSize(), client);
        QCOMPARE(d->geometry().topLeft(), QPoint(s.toPixels(2430), s.toPixels(1770)));

        QTabBar *bar = o.TabStrip1->tabBar();
        QCOMPARE(bar->count(), 3);
        QCOMPARE(bar->tabText(0), QStringLiteral("&General"));
        QCOMPARE(bar->tabText(1), QStringLiteral("&Filters"));
        QCOMPARE(bar->tabText(2), QStringLiteral("&Files"));
        QCOMPARE(o.TabStrip1.rect(), (TwipsRect{120, 120, 4575, 3375}));
        QCOMPARE(o.TabStrip1->parentWidget(), d);

        // Panels wait outside the client area, each below or beside it.
        const QRect visible(QPoint(0, 0), client);
        QCOMPARE(o.picTab[1].rect(), (TwipsRect{240, 4125, 4455, 3015}));
        QCOMPARE(o.picTab[2].rect(), (TwipsRect{5040, 600, 4455, 3015}));
        QVERIFY(!visible.intersects(o.picTab[1]->geometry()));
        QVERIFY(!visible.intersects(o.picTab[2]->geometry()));
        QCOMPARE(o.picTab[0].Width(), 4455.0f);
        QCOMPARE(o.picTab[0].Height(), 3015.0f);

        struct Row
        {
            QWidget *widget;
            QString caption;
            QWidget *container;
            TwipsRect rect;
            const TwipsControlBase *control;
        };
        const QList<Row> rows = {
            {o.Command1.get(), "&OK", d, {2400, 3600, 1110, 315}, &o.Command1},
            {o.cmdCancel.get(), "&Cancel", d, {3600, 3600, 1110, 315}, &o.cmdCancel},
            {o.chkToolBar.get(),
             "&Display Small Tool Bar",
             o.picTab[0].get(),
             {360, 240, 2175, 255},
             &o.chkToolBar},
            {o.chkToolBar2.get(),
             "&Display Large Tool Bar",
             o.picTab[0].get(),
             {360, 600, 2220, 255},
             &o.chkToolBar2},
            {o.chkStatusBar.get(),
             "&Display Status Bar",
             o.picTab[0].get(),
             {360, 960, 1815, 255},
             &o.chkStatusBar},
            {o.cmdCustomize.get(),
             "&Customize",
             o.picTab[0].get(),
             {2760, 2520, 1455, 375},
             &o.cmdCustomize},
            {o.Label1.get(), "Custom Filters", o.picTab[1].get(), {600, 120, 2895, 375}, &o.Label1},
            {o.chkAllowRename.get(),
             "Allow Files to be Renamed",
             o.picTab[2].get(),
             {360, 240, 2775, 255},
             &o.chkAllowRename},
            {o.chkShowHidden.get(),
             "Show Hidden Files",
             o.picTab[2].get(),
             {360, 600, 2295, 375},
             &o.chkShowHidden},
            {o.chkShowSystem.get(),
             "Show System Files",
             o.picTab[2].get(),
             {360, 1080, 2655, 255},
             &o.chkShowSystem},
        };
        for (const Row &r : rows) {
            const QByteArray what = r.caption.toUtf8();
            QCOMPARE(r.widget->parentWidget(), r.container);
            if (auto *b = qobject_cast<QAbstractButton *>(r.widget))
                QCOMPARE(b->text(), r.caption);
            else
                QCOMPARE(static_cast<QLabel *>(r.widget)->text(), r.caption);
            const TwipsRect got = r.control->rect();
            QVERIFY2(got.left == r.rect.left && got.top == r.rect.top &&
                         got.height == r.rect.height,
                     what);
            // A check box may be widened to its caption, never narrowed.
            if (qobject_cast<QCheckBox *>(r.widget))
                QVERIFY2(got.width >= r.rect.width && got.left + got.width <= 4455, what);
            else
                QVERIFY2(got.width == r.rect.width, what);
            // The caption fits what it has, whatever the font.
            const int captionWidth = r.widget->fontMetrics().horizontalAdvance(
                QString(r.caption).remove(QLatin1Char('&')));
            if (qobject_cast<QCheckBox *>(r.widget))
                QVERIFY2(r.widget->width() >= r.widget->sizeHint().width(), what);
            else
                QVERIFY2(r.widget->width() >= captionWidth + 4, what);
            QCOMPARE(r.widget->accessibleName(), QString(r.caption).remove(QLatin1Char('&')));
        }
        QVERIFY(o.cmdCustomize->isEnabledTo(o.picTab[0].get()));

        // Two columns of six boxes under the label.
        const float lefts[2] = {480, 2520};
        for (int i = 0; i < 12; ++i) {
            QCOMPARE(o.txtFilter[size_t(i)]->parentWidget(), o.picTab[1].get());
            QCOMPARE(o.txtFilter[size_t(i)].rect(),
                     (TwipsRect{lefts[i / 6], 600.0f + 360.0f * float(i % 6), 1335, 285}));
            QCOMPARE(o.txtFilter[size_t(i)]->accessibleName(),
                     QStringLiteral("Custom filter %1").arg(i + 1));
            QVERIFY(o.txtFilter[size_t(i)]->text().isEmpty());
        }

        // Neither button is the default, not even with the focus.
        for (QPushButton *b : {o.Command1.get(), o.cmdCancel.get(), o.cmdCustomize.get()}) {
            QVERIFY(!b->isDefault());
            QVERIFY(!b->autoDefault());
        }
    }

    void enterAndEscapeCloseNothing_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        for (const char *focus : {"OK", "Cancel", "filter box", "check box", "tabs"}) {
            QTest::addRow("Enter on %s", focus) << focus << int(Qt::Key_Return);
            QTest::addRow("keypad Enter on %s", focus) << focus << int(Qt::Key_Enter);
            QTest::addRow("Escape on %s", focus) << focus << int(Qt::Key_Escape);
        }
    }

    void enterAndEscapeCloseNothing()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        frmOptions &o = openOptions();
        QWidget *target = focus == "OK"          ? static_cast<QWidget *>(o.Command1.get())
                          : focus == "Cancel"    ? o.cmdCancel.get()
                          : focus == "check box" ? o.chkToolBar.get()
                          : focus == "tabs"      ? static_cast<QWidget *>(o.TabStrip1->tabBar())
                                                 : o.txtFilter[0].get();
        if (focus == "filter box")
            clickTab(o, 1);
        o.dialog()->activateWindow();
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(o.dialog() && o.dialog()->isVisible());
        QVERIFY(!onDisk("filter1")); // OK was not pressed
        QCOMPARE(o.chkToolBar->checkState(), Qt::Checked);
    }

    void closingKeepsTheObjectAndReopeningLoadsAgain()
    {
        frmOptions &o = openOptions();
        QPointer<QWidget> first = o.window();
        o.txtFilter[0]->setText(QStringLiteral("*.dropped"));
        QVERIFY(first->close()); // the close box
        QTRY_VERIFY(!first);
        QVERIFY(!o.isLoaded());
        QCOMPARE(&options(), &o);
        QVERIFY(!onDisk("filter1"));

        writeSettings("filter1=*.kept\n");
        frmOptions &again = openOptions();
        QCOMPARE(&again, &o);
        QCOMPARE(o.txtFilter[0]->text(), QStringLiteral("*.kept"));
        QCOMPARE(o.frontPanel(), 0);
    }

    void tabsBringPanelsForwardWithoutHiding()
    {
        frmOptions &o = openOptions();
        const QRect area = o.TabStrip1->displayArea().translated(o.TabStrip1->pos());
        QCOMPARE(o.picTab[0]->pos(), area.topLeft());
        QCOMPARE(o.frontPanel(), 0);

        clickTab(o, 2); // Files
        QCOMPARE(o.frontPanel(), 2);
        QCOMPARE(o.picTab[2]->pos(), area.topLeft());
        clickTab(o, 0); // General again
        QCOMPARE(o.frontPanel(), 0);
        // Files stays at the display area, behind, and nothing is hidden.
        QCOMPARE(o.picTab[2]->pos(), area.topLeft());
        QVERIFY(!o.picTab[1]->geometry().intersects(o.dialog()->rect()));
        for (const auto &panel : o.picTab)
            QVERIFY(!panel->isHidden());
        const QObjectList stack = o.dialog()->children();
        QVERIFY(stack.indexOf(o.picTab[0].get()) > stack.indexOf(o.picTab[2].get()));
        QVERIFY(stack.indexOf(o.picTab[2].get()) > stack.indexOf(o.TabStrip1.get()));
        QCOMPARE(o.dialog()->childAt(o.chkToolBar->mapTo(o.dialog(), QPoint(4, 4))),
                 static_cast<QWidget *>(o.chkToolBar.get()));

        // What lies behind takes neither the focus nor its Alt keys.
        QVERIFY(!o.chkAllowRename->isEnabled());
        QVERIFY(o.chkToolBar->isEnabled());
    }

    void keyboardReachesEveryControl()
    {
        frmOptions &o = openOptions();
        QDialog *d = o.dialog();
        d->activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == d);
        o.TabStrip1->tabBar()->setFocus();

        const auto walk = [&](int steps) {
            QList<QWidget *> seen;
            for (int i = 0; i < steps; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                seen << QApplication::focusWidget();
            }
            return seen;
        };
        QCOMPARE(walk(6),
                 (QList<QWidget *>{o.chkToolBar.get(), o.chkToolBar2.get(), o.chkStatusBar.get(),
                                   o.cmdCustomize.get(), o.Command1.get(), o.cmdCancel.get()}));

        // Alt+F goes to the Filters tab first, then to Files.
        QTest::keyClick(d, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(o.frontPanel(), 1);
        o.TabStrip1->tabBar()->setFocus();
        QList<QWidget *> filters{o.txtFilter[0].get()};
        for (int i = 1; i < 12; ++i)
            filters << o.txtFilter[size_t(i)].get();
        filters << o.Command1.get();
        QCOMPARE(walk(13), filters);
        QTest::keyClick(d, Qt::Key_F, Qt::AltModifier);
        QTRY_COMPARE(o.frontPanel(), 2);
        o.TabStrip1->tabBar()->setFocus();
        QCOMPARE(walk(3), (QList<QWidget *>{o.chkAllowRename.get(), o.chkShowHidden.get(),
                                            o.chkShowSystem.get()}));
        // Space toggles the focused box, as a click does.
        QTest::keyClick(o.chkShowSystem.get(), Qt::Key_Space);
        QCOMPARE(onDisk("SystemFiles"), QStringLiteral("0"));

        QTest::keyClick(d, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(o.frontPanel(), 0);
        // Alt+O presses OK, which closes the dialog.
        QPointer<QWidget> window = d;
        QTest::keyClick(d, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!window);
        QCOMPARE(onDisk("filter12"), QString());
    }

    void accessibleTree()
    {
        frmOptions &o = openOptions();
        QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(o.dialog());
        QVERIFY(dialog);
        QCOMPARE(dialog->text(QAccessible::Name), QStringLiteral("Options"));
        QStringList names;
        const std::function<void(QAccessibleInterface *)> collect = [&](QAccessibleInterface *a) {
            for (int i = 0; i < a->childCount(); ++i) {
                QAccessibleInterface *c = a->child(i);
                names << c->text(QAccessible::Name);
                collect(c);
            }
        };
        collect(dialog);
        for (const char *name :
             {"General", "Filters", "Files", "OK", "Cancel", "Display Small Tool Bar",
              "Display Large Tool Bar", "Display Status Bar", "Customize", "Custom Filters",
              "Custom filter 1", "Custom filter 12", "Allow Files to be Renamed",
              "Show Hidden Files", "Show System Files"})
            QVERIFY2(names.contains(QString::fromLatin1(name)), name);
    }

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

        writeSettings(stored);
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

        frmOptions &o = openOptions();
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
            QCOMPARE(onDisk(it.key()), std::optional<QString>(it.value()));
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
        writeSettings(stored);
        h->open();
        h->setClient(6000, 4000);
        openOptions();
        QTRY_COMPARE(outerSize(), expectedOuter(width, height));
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(free.contains(h->form().window()->frameGeometry()));
        QCOMPARE(h->form().Width(), h->form().scale().toTwips(outerSize().width()));
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
        writeSettings("Height=5400\nWidth=8250\n");
        frmExplore &f = h->open();
        f.window()->setWindowState(state);
        QTRY_COMPARE(f.window()->windowState(), Qt::WindowStates(state));
        openOptions();
        QCOMPARE(f.window()->windowState(), Qt::WindowStates(state));
        // The stored size is the one it will have, and the one written back.
        QCOMPARE(f.Height(), 5400.0f);
        QCOMPARE(f.Width(), 8250.0f);
        f.window()->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(outerSize(), expectedOuter(8250, 5400));
    }

    void openingTwiceRunsNoHandlerForAnUnchangedBox()
    {
        frmOptions &o = openOptions();
        frmExplore &f = h->form();
        h->store(Pref::Toolbar, QStringLiteral("kept"));
        h->store(Pref::Rename, QStringLiteral("kept"));
        o.chkToolBar->setCheckState(Qt::Checked); // already checked
        o.chkAllowRename->setCheckState(Qt::Checked);
        QCOMPARE(onDisk("toolbar"), QStringLiteral("kept"));
        QCOMPARE(onDisk("Rename"), QStringLiteral("kept"));
        // The strip hidden from the View menu: the box still follows Toolbar1.
        f.mnuViewToolbar_Click();
        QVERIFY(!f.picToolbar1.Visible());
        o.window()->close();
        QTRY_VERIFY(!o.isLoaded());
        openOptions();
        QCOMPARE(o.chkToolBar->checkState(), Qt::Checked);
        QCOMPARE(onDisk("toolbar"), QStringLiteral("small"));
        QVERIFY(!f.picToolbar1.Visible());
        QVERIFY(!f.mnuViewToolbar->isChecked());
    }

    void toolbarBoxesExcludeEachOther()
    {
        frmOptions &o = openOptions();
        frmExplore &f = h->form();
        const float listTop = f.CcXploreListView1.Top();

        clickBox(o.chkToolBar2.get());
        QCOMPARE(o.chkToolBar2->checkState(), Qt::Checked);
        QCOMPARE(o.chkToolBar->checkState(), Qt::Unchecked);
        QVERIFY(!f.Toolbar1.Visible());
        QVERIFY(f.Toolbar2.Visible());
        QCOMPARE(f.picToolbar1.Height(), 560.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop + 560 - 375); // laid out again
        QCOMPARE(onDisk("toolbar"), QStringLiteral("large"));

        // Clearing the checked box hides that toolbar and nothing more.
        h->store(Pref::Toolbar, QStringLiteral("large"));
        const QByteArray before = fileBytes();
        clickBox(o.chkToolBar2.get());
        QVERIFY(!f.Toolbar1.Visible());
        QVERIFY(!f.Toolbar2.Visible());
        QCOMPARE(f.picToolbar1.Height(), 560.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop + 560 - 375);
        QCOMPARE(fileBytes(), before);
        QVERIFY(o.cmdCustomize->isEnabled());

        clickBox(o.chkToolBar.get());
        QVERIFY(f.Toolbar1.Visible());
        QCOMPARE(f.picToolbar1.Height(), 375.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop);
        QCOMPARE(onDisk("toolbar"), QStringLiteral("small"));
    }

    void statusBarBoxStoresNothing()
    {
        frmOptions &o = openOptions();
        frmExplore &f = h->form();
        const QByteArray before = fileBytes();
        const float listHeight = f.CcXploreListView1.Height();
        clickBox(o.chkStatusBar.get());
        QVERIFY(!f.StatusBar1.Visible());
        QCOMPARE(f.CcXploreListView1.Height(), listHeight + f.StatusBar1.Height());
        QVERIFY(f.mnuViewStatusBar->isChecked()); // the menu keeps its own mark
        QCOMPARE(fileBytes(), before);
        o.window()->close();
        QTRY_VERIFY(!o.isLoaded());
        openOptions();
        QCOMPARE(o.chkStatusBar->checkState(), Qt::Unchecked);
        clickBox(o.chkStatusBar.get());
        QVERIFY(f.StatusBar1.Visible());
        QCOMPARE(f.CcXploreListView1.Height(), listHeight);
    }

    void fileSwitchesActAtOnce_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addRow("Rename") << "Rename";
        QTest::addRow("HiddenFiles") << "HiddenFiles";
        QTest::addRow("SystemFiles") << "SystemFiles";
    }

    void fileSwitchesActAtOnce()
    {
        QFETCH(QString, key);
        frmOptions &o = openOptions();
        ExplorerListView *list = h->form().CcXploreListView1.get();
        QCheckBox *box = key == "Rename"        ? o.chkAllowRename.get()
                         : key == "HiddenFiles" ? o.chkShowHidden.get()
                                                : o.chkShowSystem.get();
        const auto property = [&] {
            return key == "Rename"        ? list->AllowFileRename()
                   : key == "HiddenFiles" ? list->Hidden()
                                          : list->System();
        };
        clickTab(o, 2);
        clickBox(box);
        QCOMPARE(onDisk(key), QStringLiteral("0"));
        QVERIFY(!property());
        clickBox(box);
        QCOMPARE(onDisk(key), QStringLiteral("1"));
        QVERIFY(property());
        clickBox(box);
        // Cancel undoes nothing.
        QTest::mouseClick(o.cmdCancel.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());
        QCOMPARE(onDisk(key), QStringLiteral("0"));
        QVERIFY(!property());
    }

    void customizeFollowsWhatShows_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::newRow("small") << "small";
        QTest::newRow("large") << "large";
        QTest::newRow("none") << "none";
    }

    void customizeFollowsWhatShows()
    {
        QFETCH(QString, shown);
        frmOptions &o = openOptions();
        frmExplore &f = h->form();
        if (shown == "large")
            clickBox(o.chkToolBar2.get());
        if (shown == "none")
            clickBox(o.chkToolBar.get());
        QList<QWidget *> arranged;
        const std::function<void()> answer = [&] {
            if (auto *d = shownDialog<ToolbarCustomizeDialog>()) {
                arranged << d->parentWidget();
                d->reject();
            }
        };
        QTimer poll;
        connect(&poll, &QTimer::timeout, answer);
        poll.start(10);
        QTest::mouseClick(o.cmdCustomize.get(), Qt::LeftButton);
        poll.stop();
        QVERIFY(o.dialog()->isVisible());
        if (shown == "none")
            QVERIFY(arranged.isEmpty());
        else
            QCOMPARE(arranged,
                     (QList<QWidget *>{shown == "small" ? f.Toolbar1.get() : f.Toolbar2.get()}));
    }

    void menuOpensTheDialogModally()
    {
        frmExplore &f = h->open();
        QPointer<QWidget> seen;
        bool modal = false;
        int opened = 0;
        QTimer::singleShot(0, [&] {
            auto *d = shownDialog<OptionsWindow>();
            if (!d)
                return;
            ++opened;
            seen = d;
            modal = QApplication::activeModalWidget() == d &&
                    d->windowModality() == Qt::ApplicationModal && !d->parentWidget();
            d->close();
        });
        f.menuEntry(QStringLiteral("mnuOptions"))->trigger();
        QCOMPARE(opened, 1);
        QVERIFY(modal);
        QVERIFY(!seen); // the window went with the closing
        QVERIFY(h->windows.existing(QString::fromLatin1(frmOptions::Name)));

        // A second opening builds it afresh and loads it again.
        h->store(filterPref(3), QStringLiteral("*.again"));
        QString shownText;
        QTimer::singleShot(0, [&] {
            auto *d = shownDialog<OptionsWindow>();
            if (!d)
                return;
            shownText = options().txtFilter[2]->text();
            d->close();
        });
        f.menuEntry(QStringLiteral("mnuOptions"))->trigger();
        QCOMPARE(shownText, QStringLiteral("*.again"));
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

        frmOptions &o = openOptions();
        clickTab(o, 1);
        for (int i = 0; i < 12; ++i) {
            o.txtFilter[size_t(i)]->setFocus();
            o.txtFilter[size_t(i)]->clear();
            typeText(o.txtFilter[size_t(i)].get(), typed[i]);
            QCOMPARE(o.txtFilter[size_t(i)]->text(), typed[i]);
        }
        QTest::mouseClick(o.Command1.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());

        for (int i = 0; i < 12; ++i)
            QCOMPARE(onDisk(QStringLiteral("filter%1").arg(i + 1)), typed[i]);
        QCOMPARE(comboItems(f.cboFilter.get()), listed);
        QCOMPARE(f.cboFilter->currentText(), QStringLiteral("*.txt"));
        QCOMPARE(f.CcXploreListView1->Pattern(), QStringLiteral("*.txt"));
        QCOMPARE(patternChanges, 0);

        // Reopening shows each text in its own slot.
        openOptions();
        for (int i = 0; i < 12; ++i)
            QCOMPARE(o.txtFilter[size_t(i)]->text(), typed[i]);
    }

    void cancelDropsFilterEdits()
    {
        writeSettings("filter2=*.old\n");
        frmExplore &f = h->open();
        const QStringList before = comboItems(f.cboFilter.get());
        frmOptions &o = openOptions();
        QCOMPARE(o.txtFilter[1]->text(), QStringLiteral("*.old"));
        o.txtFilter[1]->setText(QStringLiteral("*.new"));
        o.txtFilter[5]->setText(QStringLiteral("*.more"));
        QTest::mouseClick(o.cmdCancel.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());
        QCOMPARE(onDisk("filter2"), QStringLiteral("*.old"));
        QVERIFY(!onDisk("filter6"));
        QCOMPARE(comboItems(f.cboFilter.get()), before);
        openOptions();
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
            frmOptions &o = openOptions();
            o.window()->close();
            QTRY_VERIFY(!o.isLoaded());
        }
        h->setClient(7005, 4500);
        const QSize outer = outerSize();
        if (orderly)
            f.window()->close();
        else
            f.mnuFileClose_Click();
        QCOMPARE(h->exits, 1);
        QTRY_VERIFY(!f.isLoaded());
        if (opened && orderly) {
            QCOMPARE(onDisk("Height"), QString::number(f.scale().toTwips(outer.height())));
            QCOMPARE(onDisk("Width"), QString::number(f.scale().toTwips(outer.width())));
        } else {
            QVERIFY(!onDisk("Height"));
            QVERIFY(!onDisk("Width"));
        }
    }
};

TARNWICK_TEST_MAIN(TestOptions)
#include "test_options.moc"
