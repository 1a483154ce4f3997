// The language the program speaks: chosen from the user's list, with Qt's
// own texts, and the window mirrored for a language written right to left.
#include "harness.h"
#include "language.h"
#include "nameeditdelegate.h"
#include "panels.h"
#include "toolbar.h"

#include <QDialogButtonBox>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QStringListModel>
#include <QToolButton>

using namespace tarnwick;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { language::use({}); }

    // en_XA is built from the sources every time, so it always has every
    // text: the rows need no finished translation.
    void choosesFirstSpoken_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("only") << QStringList{"en_XA"} << "en_XA";
        QTest::newRow("as QLocale writes it") << QStringList{"en-XA"} << "en_XA";
        QTest::newRow("unknown passed over") << QStringList{"xx", "xx-YY", "en_XA"} << "en_XA";
        // English is the sources' language: wanted first, it ends the search.
        QTest::newRow("English first") << QStringList{"en-US", "en_XA"} << QString();
        QTest::newRow("plain English first") << QStringList{"en", "en_XA"} << QString();
        QTest::newRow("C alone") << QStringList{"C"} << QString();
        // Qt's stand-in for a language it does not know.
        QTest::newRow("C passed over") << QStringList{"C", "en_XA"} << "en_XA";
        QTest::newRow("none") << QStringList{} << QString();
    }
    void choosesFirstSpoken()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(language::use(wanted), chosen);
        const QString file = QCoreApplication::translate("Menus", "&File");
        QCOMPARE(file.startsWith(QLatin1Char('[')), !chosen.isEmpty());
    }

    // A second choice replaces the first rather than stacking on it.
    void choosingAgainTakesBack()
    {
        QCOMPARE(language::use({"en_XA"}), QStringLiteral("en_XA"));
        QCOMPARE(language::use({"en"}), QString());
        QCOMPARE(QCoreApplication::translate("Menus", "&File"), QStringLiteral("&File"));
    }

    // The real program reads LANGUAGE as a list, most wanted first.
    void programFollowsLanguageList_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translated");
        QTest::newRow("made-up first") << "en_XA:en" << true;
        QTest::newRow("English first") << "en:en_XA" << false;
        QTest::newRow("unknown, then made-up") << "xx:en_XA" << true;
    }
    void programFollowsLanguageList()
    {
        QFETCH(QString, language);
        QFETCH(bool, translated);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", language);
        env.insert("LANG", "C.UTF-8");
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARNWICK_EXE), {"--help"});
        QVERIFY(p.waitForFinished(20000));
        const QString help = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(help.contains("--select"), qPrintable(help)); // options keep their names
        QCOMPARE(help.contains(QStringLiteral("Browse and manage files")), !translated);
        QCOMPARE(help.contains(QStringLiteral("~]")), translated);
    }
};

namespace {

// Where the main window's controls stand, by name, at the design's size.
QMap<QString, QRect> placesOfControls(test::ExploreHarness &h)
{
    frmExplore &f = h.open();
    h.setClient(9360, 6420);
    const QMap<QString, const TwipsControlBase *> controls{
        {"tree", &f.CcXploreTreeView1}, {"list", &f.CcXploreListView1},
        {"address", &f.CcXploreCombo1}, {"address caption", &f.txtStatus1},
        {"filter", &f.cboFilter},       {"filter caption", &f.Text1},
        {"toolbar", &f.Toolbar1},       {"status bar", &f.StatusBar1}};
    QMap<QString, QRect> places;
    for (auto it = controls.begin(); it != controls.end(); ++it)
        places.insert(it.key(), it.value()->widget()->geometry());
    return places;
}

} // namespace

// Tested with the window's own direction rather than a translation's, so
// the test needs no finished Arabic.
class TestRightToLeft : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QGuiApplication::setLayoutDirection(Qt::LeftToRight); }

    // Every control stands where the left-to-right window has it, mirrored
    // by the width of the window.
    void windowMirrors()
    {
        QMap<QString, QRect> ltr;
        {
            test::ExploreHarness h;
            ltr = placesOfControls(h);
        }
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        test::ExploreHarness h;
        const QMap<QString, QRect> rtl = placesOfControls(h);
        const int width = h.form().CcXploreTreeView1->parentWidget()->width();
        for (auto it = ltr.begin(); it != ltr.end(); ++it) {
            const QRect mirrored(width - it->x() - it->width(), it->y(), it->width(), it->height());
            QVERIFY2(it.key() == QLatin1String("toolbar") ||
                         rtl.value(it.key()) == mirrored, // the toolbar sits in its strip
                     qPrintable(it.key()));
        }
        // The tree on the right, its buttons from the right.
        frmExplore &f = h.form();
        QCOMPARE(f.CcXploreTreeView1->geometry().right(), width - 1);
        const auto buttons = f.Toolbar1->findChildren<QToolButton *>();
        QVERIFY(buttons.size() > 2);
        QVERIFY(buttons.first()->x() > buttons.last()->x());
    }

    // Qt's style would set a standard button's words against its far edge,
    // away from its picture: right to left, they go without one, whatever
    // the desktop's style would show.
    void standardButtonsWithoutPictures()
    {
        struct WithPictures : QProxyStyle
        {
            int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                          QStyleHintReturn *data) const override
            {
                return hint == SH_DialogButtonBox_ButtonsHaveIcons
                           ? 1
                           : QProxyStyle::styleHint(hint, option, widget, data);
            }
        };
        QApplication::setStyle(new ProgramStyle(new WithPictures));
        QDialogButtonBox ltr(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QVERIFY(!ltr.button(QDialogButtonBox::Cancel)->icon().isNull());
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QDialogButtonBox rtl(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QVERIFY(rtl.button(QDialogButtonBox::Cancel)->icon().isNull());
        QVERIFY(rtl.button(QDialogButtonBox::Ok)->icon().isNull());
    }

    // Right to left, a name still reads from its own first letter: the dot
    // of ".bashrc" is drawn at its left, not carried to its right.
    void namesKeepTheirOwnDirection()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QStringListModel model({QStringLiteral(".bashrc")});
        QListView view;
        view.setItemDelegate(new NameEditDelegate(&view, -1));
        view.setModel(&model);
        view.resize(200, 60);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QImage shot = view.viewport()->grab().toImage();
        const QRect item = view.visualRect(model.index(0));
        const auto inkAt = [&](int x) {
            int ink = 0;
            for (int y = item.top(); y <= item.bottom(); ++y)
                ink += qGray(shot.pixel(x, y)) < 128;
            return ink;
        };
        int left = item.left();
        while (left < item.right() && inkAt(left) == 0)
            ++left;
        QVERIFY(left < item.right());
        QVERIFY2(inkAt(left) <= 3, "the leftmost mark is a letter's stem, not the dot");
    }

    // Dragging the splitter measures the tree from the right edge.
    void splitterFromTheRight()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        test::ExploreHarness h;
        frmExplore &f = h.open();
        const float panel = f.picSplitter.Width();
        f.picSplitter_MouseDown(Qt::LeftButton, {}, panel - 3000, 10);
        f.picSplitter_MouseMove(Qt::LeftButton, {}, panel - 3000, 10);
        f.picSplitter_MouseUp(Qt::LeftButton, {}, panel - 3000, 10);
        QCOMPARE(f.CcXploreTreeView1.Width(), 3000.0f);
        const int width = f.CcXploreTreeView1->parentWidget()->width();
        QCOMPARE(f.CcXploreTreeView1->geometry().right(), width - 1);
        QVERIFY(f.CcXploreListView1->geometry().right() < f.CcXploreTreeView1->x());
    }
};

int main(int argc, char *argv[])
{
    tarnwick::test::IsolatedHome home;
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestLanguage language;
    TestRightToLeft rightToLeft;
    return QTest::qExec(&language, argc, argv) | QTest::qExec(&rightToLeft, argc, argv);
}
#include "test_language.moc"
