// The Options dialog driven as a user drives it: its pages, keys and check
// boxes, each action checked on the main window and in the settings file as
// it lies on disk.
#include "explorerlistview.h"
#include "optionsharness.h"
#include "panels.h"
#include "toolbar.h"
#include "toolbarcustomizer.h"

#include <QAccessible>
#include <QTabBar>

using namespace tarnwick;

class TestOptions : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::OptionsHarness> h;

private slots:
    void init() { h = std::make_unique<test::OptionsHarness>(); }
    void cleanup() { h.reset(); }

    void dialogAsDesigned()
    {
        frmOptions &o = h->openOptions();
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
        frmOptions &o = h->openOptions();
        QWidget *target = focus == "OK"          ? static_cast<QWidget *>(o.Command1.get())
                          : focus == "Cancel"    ? o.cmdCancel.get()
                          : focus == "check box" ? o.chkToolBar.get()
                          : focus == "tabs"      ? static_cast<QWidget *>(o.TabStrip1->tabBar())
                                                 : o.txtFilter[0].get();
        if (focus == "filter box")
            test::clickTab(o, 1);
        o.dialog()->activateWindow();
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        QTest::keyClick(target, Qt::Key(key));
        QVERIFY(o.dialog() && o.dialog()->isVisible());
        QVERIFY(!h->onDisk("filter1")); // OK was not pressed
        QCOMPARE(o.chkToolBar->checkState(), Qt::Checked);
    }

    void closingKeepsTheObjectAndReopeningLoadsAgain()
    {
        frmOptions &o = h->openOptions();
        QPointer<QWidget> first = o.window();
        o.txtFilter[0]->setText(QStringLiteral("*.dropped"));
        QVERIFY(first->close()); // the close box
        QTRY_VERIFY(!first);
        QVERIFY(!o.isLoaded());
        QCOMPARE(&h->options(), &o);
        QVERIFY(!h->onDisk("filter1"));

        QVERIFY(h->writeSettings("filter1=*.kept\n"));
        frmOptions &again = h->openOptions();
        QCOMPARE(&again, &o);
        QCOMPARE(o.txtFilter[0]->text(), QStringLiteral("*.kept"));
        QCOMPARE(o.frontPanel(), 0);
    }

    void tabsBringPanelsForwardWithoutHiding()
    {
        frmOptions &o = h->openOptions();
        const QRect area = o.TabStrip1->displayArea().translated(o.TabStrip1->pos());
        QCOMPARE(o.picTab[0]->pos(), area.topLeft());
        QCOMPARE(o.frontPanel(), 0);

        test::clickTab(o, 2); // Files
        QCOMPARE(o.frontPanel(), 2);
        QCOMPARE(o.picTab[2]->pos(), area.topLeft());
        test::clickTab(o, 0); // General again
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
        frmOptions &o = h->openOptions();
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
        QCOMPARE(h->onDisk("SystemFiles"), QStringLiteral("0"));

        QTest::keyClick(d, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(o.frontPanel(), 0);
        // Alt+O presses OK, which closes the dialog.
        QPointer<QWidget> window = d;
        QTest::keyClick(d, Qt::Key_O, Qt::AltModifier);
        QTRY_VERIFY(!window);
        QCOMPARE(h->onDisk("filter12"), QString());
    }

    void accessibleTree()
    {
        frmOptions &o = h->openOptions();
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

    void openingTwiceRunsNoHandlerForAnUnchangedBox()
    {
        frmOptions &o = h->openOptions();
        frmExplore &f = h->form();
        h->store(Pref::Toolbar, QStringLiteral("kept"));
        h->store(Pref::Rename, QStringLiteral("kept"));
        o.chkToolBar->setCheckState(Qt::Checked); // already checked
        o.chkAllowRename->setCheckState(Qt::Checked);
        QCOMPARE(h->onDisk("toolbar"), QStringLiteral("kept"));
        QCOMPARE(h->onDisk("Rename"), QStringLiteral("kept"));
        // The strip hidden from the View menu: the box still follows Toolbar1.
        f.mnuViewToolbar_Click();
        QVERIFY(!f.picToolbar1.Visible());
        o.window()->close();
        QTRY_VERIFY(!o.isLoaded());
        h->openOptions();
        QCOMPARE(o.chkToolBar->checkState(), Qt::Checked);
        QCOMPARE(h->onDisk("toolbar"), QStringLiteral("small"));
        QVERIFY(!f.picToolbar1.Visible());
        QVERIFY(!f.mnuViewToolbar->isChecked());
    }

    void toolbarBoxesExcludeEachOther()
    {
        frmOptions &o = h->openOptions();
        frmExplore &f = h->form();
        const float listTop = f.CcXploreListView1.Top();

        test::clickBox(o.chkToolBar2.get());
        QCOMPARE(o.chkToolBar2->checkState(), Qt::Checked);
        QCOMPARE(o.chkToolBar->checkState(), Qt::Unchecked);
        QVERIFY(!f.Toolbar1.Visible());
        QVERIFY(f.Toolbar2.Visible());
        QCOMPARE(f.picToolbar1.Height(), 560.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop + 560 - 375); // laid out again
        QCOMPARE(h->onDisk("toolbar"), QStringLiteral("large"));

        // Clearing the checked box hides that toolbar and nothing more.
        h->store(Pref::Toolbar, QStringLiteral("large"));
        const QByteArray before = h->fileBytes();
        test::clickBox(o.chkToolBar2.get());
        QVERIFY(!f.Toolbar1.Visible());
        QVERIFY(!f.Toolbar2.Visible());
        QCOMPARE(f.picToolbar1.Height(), 560.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop + 560 - 375);
        QCOMPARE(h->fileBytes(), before);
        QVERIFY(o.cmdCustomize->isEnabled());

        test::clickBox(o.chkToolBar.get());
        QVERIFY(f.Toolbar1.Visible());
        QCOMPARE(f.picToolbar1.Height(), 375.0f);
        QCOMPARE(f.CcXploreListView1.Top(), listTop);
        QCOMPARE(h->onDisk("toolbar"), QStringLiteral("small"));
    }

    void statusBarBoxStoresNothing()
    {
        frmOptions &o = h->openOptions();
        frmExplore &f = h->form();
        const QByteArray before = h->fileBytes();
        const float listHeight = f.CcXploreListView1.Height();
        test::clickBox(o.chkStatusBar.get());
        QVERIFY(!f.StatusBar1.Visible());
        QCOMPARE(f.CcXploreListView1.Height(), listHeight + f.StatusBar1.Height());
        QVERIFY(f.mnuViewStatusBar->isChecked()); // the menu keeps its own mark
        QCOMPARE(h->fileBytes(), before);
        o.window()->close();
        QTRY_VERIFY(!o.isLoaded());
        h->openOptions();
        QCOMPARE(o.chkStatusBar->checkState(), Qt::Unchecked);
        test::clickBox(o.chkStatusBar.get());
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
        frmOptions &o = h->openOptions();
        ExplorerListView *list = h->form().CcXploreListView1.get();
        QCheckBox *box = key == "Rename"        ? o.chkAllowRename.get()
                         : key == "HiddenFiles" ? o.chkShowHidden.get()
                                                : o.chkShowSystem.get();
        const auto property = [&] {
            return key == "Rename"        ? list->AllowFileRename()
                   : key == "HiddenFiles" ? list->Hidden()
                                          : list->System();
        };
        test::clickTab(o, 2);
        test::clickBox(box);
        QCOMPARE(h->onDisk(key), QStringLiteral("0"));
        QVERIFY(!property());
        test::clickBox(box);
        QCOMPARE(h->onDisk(key), QStringLiteral("1"));
        QVERIFY(property());
        test::clickBox(box);
        // Cancel undoes nothing.
        QTest::mouseClick(o.cmdCancel.get(), Qt::LeftButton);
        QTRY_VERIFY(!o.isLoaded());
        QCOMPARE(h->onDisk(key), QStringLiteral("0"));
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
        frmOptions &o = h->openOptions();
        frmExplore &f = h->form();
        if (shown == "large")
            test::clickBox(o.chkToolBar2.get());
        if (shown == "none")
            test::clickBox(o.chkToolBar.get());
        QList<QWidget *> arranged;
        const std::function<void()> answer = [&] {
            if (auto *d = test::shownDialog<ToolbarCustomizeDialog>()) {
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
            auto *d = test::shownDialog<OptionsWindow>();
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
            auto *d = test::shownDialog<OptionsWindow>();
            if (!d)
                return;
            shownText = h->options().txtFilter[2]->text();
            d->close();
        });
        f.menuEntry(QStringLiteral("mnuOptions"))->trigger();
        QCOMPARE(shownText, QStringLiteral("*.again"));
    }
};

TARNWICK_TEST_MAIN(TestOptions)
#include "test_options.moc"
