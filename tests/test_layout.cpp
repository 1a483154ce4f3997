#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "harness.h"
#include "panels.h"

#include <QComboBox>

using namespace tarnwick;

namespace {

struct Figures
{
    float headerTop, panesTop, panelHeight, listLeft, listWidth, caption2Width, addressWidth,
        text1Left, filterLeft;
};

} // namespace

Q_DECLARE_METATYPE(Figures)

class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;

    void checkFigures(frmExplore &f, const Figures &e)
    {
        QCOMPARE(f.txtStatus1.Top(), e.headerTop);
        QCOMPARE(f.txtStatus2.Top(), e.headerTop);
        QCOMPARE(f.cboFilter.Top(), e.headerTop);
        QCOMPARE(f.Text1.Top(), e.headerTop);
        QCOMPARE(f.CcXploreCombo1.Top(), e.headerTop);
        QCOMPARE(f.picSplitter.Top(), e.panesTop);
        QCOMPARE(f.CcXploreTreeView1.Top(), e.panesTop);
        QCOMPARE(f.CcXploreListView1.Top(), e.panesTop);
        QCOMPARE(f.picSplitter.Height(), e.panelHeight);
        QCOMPARE(f.CcXploreTreeView1.Height(), e.panelHeight);
        QCOMPARE(f.CcXploreListView1.Height(), e.panelHeight);
        QCOMPARE(f.CcXploreListView1.Left(), e.listLeft);
        QCOMPARE(f.CcXploreListView1.Width(), e.listWidth);
        QCOMPARE(f.txtStatus2.Width(), e.caption2Width);
        QCOMPARE(f.CcXploreCombo1.Width(), e.addressWidth - f.addressShift());
        QCOMPARE(f.Text1.Left(), e.text1Left);
        QCOMPARE(f.cboFilter.Left(), e.filterLeft);
    }

private slots:
    void init() { h = std::make_unique<test::ExploreHarness>(); }
    void cleanup() { h.reset(); }

    void designFigures_data()
    {
        QTest::addColumn<QString>("toolbar");
        QTest::addColumn<bool>("stripShown");
        QTest::addColumn<bool>("statusShown");
        QTest::addColumn<Figures>("expected");
        QTest::newRow("small toolbar, status bar")
            << "small" << true << true
            << Figures{375, 735, 5290, 2695, 6665, 5630, 7165, 7860, 8360};
        QTest::newRow("large toolbar, status bar")
            << "large" << true << true
            << Figures{560, 920, 5105, 2695, 6665, 5630, 7165, 7860, 8360};
        QTest::newRow("no bars") << "small" << false << false
                                 << Figures{0, 360, 6010, 2695, 6665, 5630, 7165, 7860, 8360};
        QTest::newRow("status bar only")
            << "small" << false << true
            << Figures{0, 360, 5665, 2695, 6665, 5630, 7165, 7860, 8360};
    }
    void designFigures()
    {
        QFETCH(QString, toolbar);
        QFETCH(bool, stripShown);
        QFETCH(bool, statusShown);
        QFETCH(Figures, expected);
        h->store(Pref::Toolbar, toolbar);
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.picToolbar1.setVisible(stripShown);
        f.StatusBar1.setVisible(statusShown);
        f.Form_Resize();
        QCOMPARE(f.ScaleWidth(), 9360.0f);
        QCOMPARE(f.ScaleHeight(), 6420.0f);
        checkFigures(f, expected);
        QCOMPARE(f.CcXploreCombo1.Left() + f.CcXploreCombo1.Width(), 7885.0f);
        QVERIFY(f.CcXploreListView1->updatesEnabled());
        QVERIFY(f.CcXploreTreeView1->updatesEnabled());
    }

    void windowOpensAtDesignSize()
    {
        frmExplore &f = h->open();
        QCOMPARE(f.ScaleWidth(), frmExplore::DesignScaleWidth);
        QCOMPARE(f.ScaleHeight(), frmExplore::DesignScaleHeight);
        QCOMPARE(f.CcXploreTreeView1.Width(), 2655.0f);
        QCOMPARE(f.CcXploreListView1.Left(), 2695.0f);
        QCOMPARE(f.StatusBar1.Top(), 6420.0f - 345.0f);
        QCOMPARE(f.picToolbar1.Width(), 9360.0f);
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("Tarnwick"));
    }

    void tinyWindowKeepsWhatItCannotSet()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        const float panel = f.picSplitter.Height();
        const float listWidth = f.CcXploreListView1.Width();
        const float caption2 = f.txtStatus2.Width();
        h->setClient(1200, 600);
        QCOMPARE(f.picSplitter.Height(), panel);
        QCOMPARE(f.CcXploreTreeView1.Height(), panel);
        QCOMPARE(f.CcXploreListView1.Width(), listWidth);
        QCOMPARE(f.txtStatus2.Width(), caption2);
        QCOMPARE(f.Text1.Left(), -300.0f);
        QCOMPARE(f.cboFilter.Left(), 200.0f);
        QCOMPARE(f.picSplitter.Width(), 1200.0f);
        QVERIFY(f.CcXploreListView1->updatesEnabled());
    }

    void statusBarChangesOnlyHeights()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.StatusBar1.setVisible(false);
        f.Form_Resize();
        QCOMPARE(f.CcXploreListView1.Top(), 735.0f);
        QCOMPARE(f.picSplitter.Height(), 5635.0f);
    }

    void minimizedIsNotLaidOut()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.StatusBar1.setVisible(false);
        f.window()->setWindowState(Qt::WindowMinimized);
        f.Form_Resize();
        QCOMPARE(f.picSplitter.Height(), 5290.0f);
        f.window()->setWindowState(Qt::WindowNoState);
        QTRY_COMPARE(f.picSplitter.Height(), 5635.0f);
    }

    void negativeSizesAreRefused_data()
    {
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("negative width") << -1.0f << 100.0f << false;
        QTest::newRow("negative height") << 100.0f << -0.5f << false;
        QTest::newRow("zero") << 0.0f << 0.0f << true;
        QTest::newRow("fraction of a pixel") << 7.5f << 22.25f << true;
    }
    void negativeSizesAreRefused()
    {
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(bool, accepted);
        frmExplore &f = h->open();
        const TwipsRect before = f.txtStatus2.rect();
        QCOMPARE(f.txtStatus2.setWidth(width) && f.txtStatus2.setHeight(height), accepted);
        if (accepted) {
            QCOMPARE(f.txtStatus2.Width(), width);
            QCOMPARE(f.txtStatus2.Height(), height);
        } else {
            QCOMPARE(f.txtStatus2.Width(), width < 0 ? before.width : width);
            QCOMPARE(f.txtStatus2.Height(), before.height);
        }
    }

    // x, then the tree width, list left and width, txtStatus1 width, txtStatus2
    // left and width after a press, the move and a release.
    void splitterDrag_data()
    {
        QTest::addColumn<float>("x");
        QTest::addColumn<QList<float>>("expected");
        QTest::newRow("to 1000") << 1000.0f << QList<float>{1000, 1040, 8320, 1000, 1040, 8320};
        QTest::newRow("past the left edge")
            << -200.0f << QList<float>{1, 2695, 6665, 2595, 6240, 5630};
        QTest::newRow("at zero") << 0.0f << QList<float>{1, 2695, 6665, 2595, 6240, 5630};
        QTest::newRow("past the right edge")
            << 9500.0f << QList<float>{9320, 2695, 6665, 2595, 6240, 5630};
        QTest::newRow("panel width - 40") << 9320.0f << QList<float>{9320, 9360, 0, 9320, 9360, 0};
        QTest::newRow("inside the last 40")
            << 9340.0f << QList<float>{9340, 9380, 0, 9340, 9380, 0};
    }
    void splitterDrag()
    {
        QFETCH(float, x);
        QFETCH(QList<float>, expected);
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.picSplitter_MouseDown(Qt::LeftButton, {}, 2680, 100);
        QVERIFY(f.splitterDragging);
        f.picSplitter_MouseMove(Qt::LeftButton, {}, x, 100);
        f.picSplitter_MouseUp(Qt::LeftButton, {}, x, 100);
        QVERIFY(!f.splitterDragging);
        const QList<float> actual{f.CcXploreTreeView1.Width(), f.CcXploreListView1.Left(),
                                  f.CcXploreListView1.Width(), f.txtStatus1.Width(),
                                  f.txtStatus2.Left(),         f.txtStatus2.Width()};
        QCOMPARE(actual, expected);
    }

    void moveWithoutButtonOnlySetsPointer()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.picSplitter->setCursor(Qt::ArrowCursor);
        f.picSplitter_MouseMove(Qt::NoButton, {}, 1000, 100);
        QCOMPARE(f.picSplitter->cursor().shape(), Qt::SplitHCursor);
        QCOMPARE(f.CcXploreTreeView1.Width(), 2655.0f);
        QCOMPARE(f.CcXploreListView1.Left(), 2695.0f);
    }

    void realMouseDragOverTheGap()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        QWidget *panel = f.picSplitter.get();
        const int gapX = f.scale().toPixels(2655 + 20);
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(gapX, 50));
        QVERIFY(f.splitterDragging);
        QMouseEvent move(QEvent::MouseMove, QPointF(100, 50), panel->mapToGlobal(QPointF(100, 50)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &move);
        QCOMPARE(f.CcXploreTreeView1.Width(), 1500.0f);
        QCOMPARE(panel->cursor().shape(), Qt::SplitHCursor);
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(100, 50));
        QVERIFY(!f.splitterDragging);
    }

    // The strip is under 3 pixels wide: the mouse takes it from 3 pixels
    // either side too, and the drag follows from there; further out the
    // panes keep their clicks.
    void splitterTakenNearItsStrip_data()
    {
        QTest::addColumn<int>("offset"); // pixels from the tree's right edge
        QTest::addColumn<bool>("taken");
        QTest::newRow("3 px into the tree") << -3 << true;
        QTest::newRow("on the strip") << 1 << true;
        QTest::newRow("3 px into the list") << 5 << true;
        QTest::newRow("6 px into the tree") << -6 << false;
        QTest::newRow("8 px into the list") << 10 << false;
    }
    void splitterTakenNearItsStrip()
    {
        QFETCH(int, offset);
        QFETCH(bool, taken);
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        QWidget *client = f.picSplitter->parentWidget();
        const QRect tree = f.CcXploreTreeView1->geometry();
        const QPoint at(tree.right() + 1 + offset, tree.center().y());
        QWidget *under = client->childAt(at);
        QVERIFY(under);
        QCOMPARE(under->cursor().shape() == Qt::SplitHCursor, taken);
        QTest::mousePress(under, Qt::LeftButton, {}, under->mapFrom(client, at));
        QCOMPARE(f.splitterDragging, taken);
        if (!taken)
            return;
        const QPoint to = under->mapFrom(client, at + QPoint(40, 0));
        QMouseEvent move(QEvent::MouseMove, QPointF(to), under->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(under, &move);
        QCOMPARE(f.CcXploreTreeView1.Width(), f.scale().toTwips(at.x() + 40));
        QTest::mouseRelease(under, Qt::LeftButton, {}, to);
        QVERIFY(!f.splitterDragging);
    }

    void resizeAfterDragKeepsTreeWidth()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.picSplitter_MouseDown(Qt::LeftButton, {}, 2680, 100);
        f.picSplitter_MouseMove(Qt::LeftButton, {}, 1000, 100);
        f.picSplitter_MouseUp(Qt::LeftButton, {}, 1000, 100);
        h->setClient(12000, 6420);
        QCOMPARE(f.CcXploreTreeView1.Width(), 1000.0f);
        QCOMPARE(f.CcXploreListView1.Left(), 1040.0f);
        QCOMPARE(f.CcXploreListView1.Width(), 12000.0f - 1040.0f);
        QCOMPARE(f.txtStatus2.Width(), 12000.0f - 1040.0f - 1035.0f);
        QCOMPARE(f.txtStatus2.Left(), 1040.0f);
        QCOMPARE(f.CcXploreCombo1.Width(), 12000.0f - 1500.0f + 25.0f - 720.0f - f.addressShift());
    }

    // Whatever the splitter and the width, the address box runs just under
    // the "Filter" caption: no piece of the list caption shows between them.
    void addressBoxReachesTheFilterCaption_data()
    {
        QTest::addColumn<int>("pixels"); // client width
        QTest::addColumn<float>("tree"); // dragged to, twips; 0 not dragged
        for (int pixels : {520, 624, 700, 800})
            for (float tree : {0.0f, 1000.0f, 3500.0f, 5000.0f})
                QTest::addRow("%d px, tree %g", pixels, double(tree)) << pixels << tree;
    }
    void addressBoxReachesTheFilterCaption()
    {
        QFETCH(int, pixels);
        QFETCH(float, tree);
        frmExplore &f = h->open();
        if (tree > 0) {
            f.picSplitter_MouseDown(Qt::LeftButton, {}, 2680, 100);
            f.picSplitter_MouseMove(Qt::LeftButton, {}, tree, 100);
            f.picSplitter_MouseUp(Qt::LeftButton, {}, tree, 100);
        }
        h->setClient(f.scale().toTwips(pixels), frmExplore::DesignScaleHeight);
        QCOMPARE(f.CcXploreCombo1.Left() + f.CcXploreCombo1.Width(), f.Text1.Left() + 25);
        const QRect box = f.CcXploreCombo1->geometry();
        const QRect caption = f.Text1->geometry();
        QVERIFY2(box.right() >= caption.left() && box.right() < caption.left() + 4,
                 qPrintable(QStringLiteral("box ends at %1, caption starts at %2")
                                .arg(box.right())
                                .arg(caption.left())));
    }

    // However the window got small, growing it back gives the header row,
    // the panes and the captions their full width again.
    void growingBackRestoresTheHeaderRow_data()
    {
        QTest::addColumn<QList<QSize>>("detour");
        QTest::newRow("tiny") << QList<QSize>{{120, 100}};
        QTest::newRow("narrower than the tree") << QList<QSize>{{2000, 6420}};
        QTest::newRow("short only") << QList<QSize>{{9360, 900}};
        QTest::newRow("step by step")
            << QList<QSize>{{8000, 6000}, {4000, 3000}, {600, 400}, {5000, 5000}};
        QTest::newRow("larger first") << QList<QSize>{{14000, 9000}, {300, 300}};
    }
    void growingBackRestoresTheHeaderRow()
    {
        QFETCH(QList<QSize>, detour);
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        const auto snapshot = [&f] {
            return QList<QRect>{
                f.CcXploreCombo1.widget()->geometry(), f.cboFilter.widget()->geometry(),
                f.Text1.widget()->geometry(),          f.txtStatus2.widget()->geometry(),
                f.CcXploreListView1->geometry(),       f.CcXploreTreeView1->geometry()};
        };
        const QList<QRect> before = snapshot();
        for (const QSize &size : detour)
            h->setClient(size.width(), size.height());
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        QCOMPARE(snapshot(), before);
        QVERIFY(f.CcXploreCombo1.widget()->isVisible());
    }

    void treeDraggedToTheRightEdgeThenResized()
    {
        frmExplore &f = h->open();
        h->setClient(frmExplore::DesignScaleWidth, frmExplore::DesignScaleHeight);
        f.picSplitter_MouseDown(Qt::LeftButton, {}, 2680, 100);
        f.picSplitter_MouseMove(Qt::LeftButton, {}, 9500, 100);
        f.picSplitter_MouseUp(Qt::LeftButton, {}, 9500, 100);
        const float listWidth = f.CcXploreListView1.Width();
        h->setClient(9000, 6420);
        QCOMPARE(f.CcXploreTreeView1.Width(), 9320.0f);
        QCOMPARE(f.CcXploreListView1.Left(), 9360.0f);
        QCOMPARE(f.CcXploreListView1.Width(), listWidth);
        QCOMPARE(f.Text1.Left(), 7500.0f);
    }
};

TARNWICK_TEST_MAIN(TestLayout)
#include "test_layout.moc"
