// The main window and its dialogs in the made-up language en_XA, whose every
// text is longer than the English one and marked at both ends: a text cut
// off, or one that never went through the translation, shows here.
#include "harness.h"
#include "language.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

using namespace tarnwick;

namespace {

// Texts that are not the program's words: names, paths, patterns, numbers
// and sizes, and the program's own name.
bool isName(const QString &text)
{
    // Dates and times are written by the locale, not translated.
    static const QRegularExpression time(QStringLiteral("\\d{1,2}:\\d{2}"));
    if (time.match(text).hasMatch())
        return true;
    static const QRegularExpression names(QStringLiteral(
        "^(Tarnwick|[*.\\w]*\\*[*.\\w;]*|/.*|\\w+://.*|[\\d.,\\s]+(B|bytes|KB|MB|GB|TB|KiB|MiB|GiB|"
        "TiB|kB)?|[a-z_][a-z0-9_.-]*|[^A-Za-z]*)$"));
    return names.match(text).hasMatch();
}

bool isTranslated(QString text)
{
    text = text.trimmed();
    return text.isEmpty() || isName(text) ||
           (text.startsWith(QLatin1Char('[')) && text.endsWith(QStringLiteral("~]"))) ||
           // A translated text that holds another (a caption around a name)
           (text.contains(QLatin1Char('[')) && text.contains(QStringLiteral("~]")));
}

QString shown(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
    return text.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// What a window shows that is cut off or untranslated, one line each.
class Inspection
{
public:
    QStringList problems;

    void window(QWidget *top)
    {
        where_ = top->metaObject()->className();
        word(top->windowTitle(), QStringLiteral("title"));
        for (QWidget *w : top->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(top) || w->width() <= 0)
                continue;
            if (auto *label = qobject_cast<QLabel *>(w))
                this->label(label);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                this->button(button);
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                group(box);
            else if (auto *edit = qobject_cast<QLineEdit *>(w); edit && edit->isReadOnly())
                caption(edit);
            else if (auto *bar = qobject_cast<QMenuBar *>(w))
                menus(bar->actions());
            else if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    word(tabs->tabText(i), QStringLiteral("tab"));
            else if (auto *header = qobject_cast<QHeaderView *>(w); header && header->model())
                for (int i = 0; i < header->count(); ++i)
                    word(header->model()->headerData(i, header->orientation()).toString(),
                         QStringLiteral("column"));
            else if (auto *list = qobject_cast<QListWidget *>(w))
                for (int i = 0; i < list->count(); ++i)
                    word(list->item(i)->text(), QStringLiteral("list entry"));
            else if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
                for (int i = 0; i < combo->count(); ++i)
                    word(combo->itemText(i), QStringLiteral("choice"));
            if (!w->toolTip().isEmpty() && !Qt::mightBeRichText(w->toolTip()))
                word(w->toolTip(), QStringLiteral("tool tip"));
        }
    }

    void menus(const QList<QAction *> &actions)
    {
        for (QAction *a : actions) {
            if (a->isSeparator())
                continue;
            word(a->text(), QStringLiteral("menu entry"));
            if (a->menu())
                menus(a->menu()->actions());
        }
    }

private:
    QString where_;

    void word(const QString &text, const QString &what)
    {
        if (!isTranslated(shown(text)))
            problems << QStringLiteral("%1: %2 not translated: %3").arg(where_, what, text);
        static const QRegularExpression placeholder(QStringLiteral("%[LĻ]?[nñ\\d]"));
        if (placeholder.match(text).hasMatch())
            problems << QStringLiteral("%1: %2 keeps a placeholder: %3").arg(where_, what, text);
    }
    void cut(const QString &text, int needed, int room)
    {
        if (needed > room)
            problems << QStringLiteral("%1: cut off (%2 of %3 px): %4")
                            .arg(where_)
                            .arg(room)
                            .arg(needed)
                            .arg(text);
    }

    void label(QLabel *l)
    {
        if (l->text().isEmpty() || l->pixmap().cacheKey() != QPixmap().cacheKey())
            return;
        QString text = l->text();
        if (Qt::mightBeRichText(text) && l->textFormat() != Qt::PlainText)
            text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        word(text, QStringLiteral("label"));
        if (l->wordWrap()) {
            cut(text, l->heightForWidth(l->width()), l->height());
            return;
        }
        const QRect room = l->contentsRect();
        int needed = 0;
        for (const QString &line : shown(text).split(QLatin1Char('\n')))
            needed = std::max(needed, l->fontMetrics().horizontalAdvance(line));
        const int margins = 2 * l->margin() + std::max(l->indent(), 0);
        cut(text, needed + margins, room.width());
    }

    void button(QAbstractButton *b)
    {
        if (b->text().isEmpty())
            return;
        // Qt's own buttons (OK, Cancel, Close) speak through Qt's translations.
        const auto *box = qobject_cast<QDialogButtonBox *>(b->parentWidget());
        if (!box || box->standardButton(b) == QDialogButtonBox::NoButton)
            word(b->text(), QStringLiteral("button"));
        if (qobject_cast<QToolButton *>(b) && b->icon().isNull() == false)
            return; // a tool button with a picture shows no text
        if (qobject_cast<QPushButton *>(b)) {
            // The text's ink inside the frame; the style's least width for
            // a button is no need of the text's.
            const int needed = b->fontMetrics().tightBoundingRect(shown(b->text())).width() +
                               2 * b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                               (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
            cut(b->text(), needed, b->width());
            return;
        }
        cut(b->text(), b->sizeHint().width(), b->width());
    }

    void group(QGroupBox *g)
    {
        if (g->title().isEmpty())
            return;
        word(g->title(), QStringLiteral("group"));
        cut(g->title(), g->fontMetrics().horizontalAdvance(shown(g->title())) + 16, g->width());
    }

    // A read-only box used as a caption: as much of it as no box above it
    // covers is the room its text has.
    void caption(QLineEdit *e)
    {
        if (e->text().isEmpty())
            return;
        word(e->text(), QStringLiteral("caption"));
        int room = e->width();
        const QWidget *parent = e->parentWidget();
        const auto siblings = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (qsizetype i = siblings.indexOf(e) + 1; i < siblings.size(); ++i) {
            const QRect other = siblings[i]->geometry();
            if (!siblings[i]->isVisible() || !other.intersects(e->geometry()))
                continue;
            if (other.left() <= e->x()) {
                // Its start hidden under another box by design, as the
                // list's caption; a box reaching a little over its edge, as
                // the address box over "Filter", covers only its margin.
                if (other.right() >= e->x() + e->textMargins().left())
                    return;
                continue;
            }
            room = std::min(room, other.left() - e->x());
        }
        // The words' ink after the margins and the line edit's own 2 pixels.
        const QMargins m = e->textMargins();
        cut(e->text(),
            e->fontMetrics().tightBoundingRect(e->text()).width() + m.left() + m.right() + 2, room);
    }
};

} // namespace

class TestPseudoLanguage : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<test::ExploreHarness> h;

    // Runs `open`, then inspects the first window it shows (a modal one
    // or a menu while it waits) and closes it.
    QStringList inspectOpened(const std::function<void()> &open, bool menu = false)
    {
        const QWidgetList before = QApplication::topLevelWidgets();
        QStringList problems;
        bool seen = false;
        QElapsedTimer shown; // what it counts or reads in the background arrives first
        QTimer poll;
        poll.setInterval(100);
        connect(&poll, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                auto *popup = qobject_cast<QMenu *>(w);
                if (before.contains(w) || !w->isVisible() || bool(popup) != menu ||
                    w->windowType() == Qt::ToolTip)
                    continue;
                if (!shown.isValid())
                    shown.start();
                if (!popup && shown.elapsed() < 700)
                    return;
                Inspection look;
                if (popup)
                    look.menus(popup->actions());
                else
                    look.window(w);
                problems = look.problems;
                seen = true;
                poll.stop();
                w->close();
                return;
            }
        });
        poll.start();
        open();
        if (!QTest::qWaitFor([&] { return seen; }, 5000))
            problems << QStringLiteral("no window opened");
        return problems;
    }

private slots:
    void initTestCase()
    {
        test::quietPlatformNotes();
        QCOMPARE(language::use({QStringLiteral("en_XA")}), QStringLiteral("en_XA"));
        QVERIFY(test::writeFile(dir_.filePath(QStringLiteral("1.txt")), "12345"));
        QDir(dir_.path()).mkdir(QStringLiteral("2"));
        h = std::make_unique<test::ExploreHarness>();
        h->openOn(dir_.path(), true);
    }
    void cleanupTestCase()
    {
        h.reset();
        language::use({});
    }

    // The window at the design's size, in each view.
    void mainWindow_data()
    {
        QTest::addColumn<QString>("view");
        QTest::newRow("large icons") << "mnuViewLargeIcons";
        QTest::newRow("details") << "mnuViewDetails";
    }
    void mainWindow()
    {
        QFETCH(QString, view);
        frmExplore &f = h->form();
        f.menuEntry(view)->trigger();
        f.CcXploreListView1->setFocus();
        f.menuEntry(QStringLiteral("mnuEditSelectAll"))->trigger(); // the status bar's count
        QApplication::processEvents();
        Inspection look;
        look.window(f.window());
        QVERIFY2(look.problems.isEmpty(), qPrintable(look.problems.join('\n')));
    }

    void dialogs_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("About") << "mnuHelpAbout";
        QTest::newRow("Options") << "mnuOptions";
        QTest::newRow("Customize Toolbar") << "mnuToolsCustomizeToolbar";
        QTest::newRow("Map Network Drive") << "mnuToolsMapNetDrive";
        QTest::newRow("Disconnect Network Drive") << "mnuToolsDisconnectNetDrive";
        QTest::newRow("Find") << "mnuToolsFind";
        QTest::newRow("Operation History") << "mnuToolsHistory";
        QTest::newRow("Properties") << "mnuFileProperties";
    }
    void dialogs()
    {
        QFETCH(QString, entry);
        frmExplore &f = h->form();
        f.CcXploreListView1->setFocus();
        f.menuEntry(QStringLiteral("mnuEditSelectAll"))->trigger();
        QAction *action = f.menuEntry(entry);
        QVERIFY(action);
        const QStringList problems = inspectOpened([action] { action->trigger(); });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
    // The panes' menus, built from the verb table.
    void contextMenus_data()
    {
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<bool>("onItem");
        QTest::newRow("list item") << false << true;
        QTest::newRow("list background") << false << false;
        QTest::newRow("tree folder") << true << true;
    }
    void contextMenus()
    {
        QFETCH(bool, inTree);
        QFETCH(bool, onItem);
        frmExplore &f = h->form();
        f.menuEntry(QStringLiteral("mnuViewDetails"))->trigger();
        QWidget *pane = inTree ? static_cast<QWidget *>(f.CcXploreTreeView1.get())
                               : static_cast<QWidget *>(f.CcXploreListView1.get());
        QAbstractItemView *view = nullptr;
        for (auto *v : pane->findChildren<QAbstractItemView *>())
            if (v->isVisible() && !qobject_cast<QHeaderView *>(v))
                view = v;
        QVERIFY(view);
        QPoint at(5, view->viewport()->height() - 5);
        if (onItem) {
            const QModelIndex index = inTree ? view->currentIndex() : view->model()->index(0, 0);
            QVERIFY(index.isValid());
            view->setCurrentIndex(index);
            at = view->visualRect(index).center();
        } else {
            view->clearSelection();
        }
        const QStringList problems =
            inspectOpened([view, at] { emit view->customContextMenuRequested(at); }, true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

TARNWICK_TEST_MAIN(TestPseudoLanguage)
#include "test_pseudolanguage.moc"
