// What users of a file manager expect beyond its menus: the address box
// forgiving blanks around a pasted path, copies in progress kept out of
// sight, honest links, readable labels and what assistive technology reads.
#include "datasize.h"
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "foldermodel.h"
#include "harness.h"
#include "icons.h"
#include "namespacemodel.h"

#include "archiveverbs.h"
#include "findwindow.h"
#include "networkdialogs.h"
#include "networkmounts.h"
#include "openwithdialog.h"
#include "panels.h"
#include "propertiesdialog.h"
#include "rawpaths.h"
#include "toolbar.h"
#include "toolbarcustomizer.h"

#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>

using namespace tarnwick;

namespace {

class IdleMounter : public NetworkMounter
{
public:
    bool available(QString *) const override { return true; }
    QList<NetworkMount> mounts() const override { return {}; }
    void mount(const QString &) override {}
    void unmount(const QString &) override {}
    void provideCredentials(const QString &, const QString &, const QString &, bool) override {}
    void cancelCredentials() override {}
};

QString accessibleName(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

} // namespace

class TestUsability : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::ExploreHarness> h;
    QTemporaryDir dir_;
    QString root() const { return dir_.path(); }

    frmExplore &openOn(const QString &folder) { return h->openOn(folder, false); }
    static QStringList shownNames(ExplorerListView *list)
    {
        QStringList out;
        const FolderModel *m = list->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->entryAt(r).name;
        out.sort();
        return out;
    }

private slots:
    void init()
    {
        QVERIFY(test::removeTree(root()));
        QDir().mkpath(root() + "/start");
        h = std::make_unique<test::ExploreHarness>();
    }
    void cleanup() { h.reset(); }

    void addressBoxForgivesBlanks_data()
    {
        QTest::addColumn<QStringList>("folders"); // made under root
        QTest::addColumn<QString>("typed");       // "@" stands for root
        QTest::addColumn<QString>("shown");       // under root; "" when it stays
        QTest::addColumn<int>("errors");
        QTest::newRow("blanks around a full path") << QStringList{"docs"} << "  @/docs \t"
                                                   << "/docs" << 0;
        QTest::newRow("a trailing blank") << QStringList{"docs"} << "@/docs "
                                          << "/docs" << 0;
        QTest::newRow("a name that ends in a blank is taken as typed")
            << QStringList{"docs", "docs "} << "@/docs "
            << "/docs " << 0;
        QTest::newRow("a name that starts with a blank, relative")
            << QStringList{"start/ x", "start/x"} << " x"
            << "/start/ x" << 0;
        QTest::newRow("nothing either way") << QStringList{} << "  @/nowhere  "
                                            << "" << 1;
    }
    void addressBoxForgivesBlanks()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, errors);
        for (const QString &f : folders)
            QVERIFY(QDir().mkpath(root() + "/" + f));
        frmExplore &f = openOn(root() + "/start");
        typed.replace("@", root());
        f.CcXploreCombo1->go(typed);
        QTRY_COMPARE(f.CcXploreTreeView1->CurrentFolder(),
                     root() + (shown.isEmpty() ? "/start" : shown));
        QCOMPARE(h->messages.errors.size(), errors);
    }

    // What a paste writes under a temporary name is not shown until it has
    // its own; a hidden file of the user's is.
    void copyInProgressIsNotShown()
    {
        test::writeFile(root() + "/start/.a.txt.tarnwick-part", "half");
        test::writeFile(root() + "/start/.a.txt.tarnwick-part-2", "half");
        test::writeFile(root() + "/start/.hidden", "mine");
        frmExplore &f = openOn(root() + "/start");
        ExplorerListView *list = f.CcXploreListView1.get();
        QCOMPARE(shownNames(list), QStringList{".hidden"});
        // Appearing while the folder shows, then given its name.
        test::writeFile(root() + "/start/.b.txt.tarnwick-part", "half");
        test::writeFile(root() + "/start/c.txt", "whole");
        QTRY_COMPARE(shownNames(list), (QStringList{".hidden", "c.txt"}));
        QVERIFY(QFile::rename(root() + "/start/.b.txt.tarnwick-part", root() + "/start/b.txt"));
        QTRY_COMPARE(shownNames(list), (QStringList{".hidden", "b.txt", "c.txt"}));
    }

    // A link is what it leads to, told apart by an emblem and its type.
    void linksAreHonest_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sizeAs"); // the entry whose size it shows; "" for none
        QTest::addColumn<QString>("type");   // "@" and "%" stand for doc.txt's and run's types
        QTest::addColumn<bool>("emblem");
        QTest::newRow("a file") << "doc.txt"
                                << "doc.txt"
                                << "@" << false;
        QTest::newRow("a link to the file") << "to doc.txt"
                                            << "doc.txt"
                                            << "@ (link)" << true;
        QTest::newRow("a link named unlike its file") << "notes"
                                                      << "doc.txt"
                                                      << "@ (link)" << true;
        QTest::newRow("a link to a script without a suffix") << "to run"
                                                             << "run"
                                                             << "% (link)" << true;
        QTest::newRow("a link to a folder") << "to folder"
                                            << ""
                                            << "Folder (link)" << true;
        QTest::newRow("a link that leads nowhere") << "gone.txt"
                                                   << "gone.txt"
                                                   << "Broken link" << true;
    }
    void linksAreHonest()
    {
        QFETCH(QString, name);
        QFETCH(QString, sizeAs);
        QFETCH(QString, type);
        QFETCH(bool, emblem);
        const QString here = root() + "/start";
        test::writeFile(here + "/doc.txt", QByteArray(5000, 'x'));
        QDir().mkpath(here + "/folder");
        QVERIFY(QFile::link("doc.txt", here + "/to doc.txt"));
        QVERIFY(QFile::link("folder", here + "/to folder"));
        QVERIFY(QFile::link("nowhere.txt", here + "/gone.txt"));
        QVERIFY(QFile::link("doc.txt", here + "/notes"));
        test::writeFile(here + "/run", "#!/bin/sh\necho hello\n");
        QVERIFY(QFile::link("run", here + "/to run"));
        frmExplore &f = openOn(here);
        const FolderModel *m = f.CcXploreListView1->model();
        const auto cell = [m](const QString &entry, int column, int role = Qt::DisplayRole) {
            return m->index(m->rowOfName(entry), column).data(role);
        };
        QVERIFY(m->rowOfName(name) >= 0);
        QCOMPARE(cell(name, FolderModel::SizeColumn).toString(),
                 sizeAs == "gone.txt" ? FolderModel::sizeText(11)
                 : sizeAs.isEmpty()   ? QString()
                                      : cell(sizeAs, FolderModel::SizeColumn).toString());
        type.replace("@", cell("doc.txt", FolderModel::TypeColumn).toString());
        type.replace("%", cell("run", FolderModel::TypeColumn).toString());
        QVERIFY(!type.startsWith("File")); // both have types of their own
        QCOMPARE(cell(name, FolderModel::TypeColumn).toString(), type);

        // The emblem is drawn over the icon of what the link leads to.
        const QString plain = name == "to folder" ? "folder" : name == "to run" ? "run" : "doc.txt";
        const auto picture = [&](const QString &entry, int side, qreal ratio) {
            const QIcon icon =
                cell(entry, FolderModel::NameColumn, Qt::DecorationRole).value<QIcon>();
            return icon.pixmap(QSize(side, side), ratio).toImage();
        };
        if (name != "gone.txt") {
            QCOMPARE(picture(name, 32, 1) != picture(plain, 32, 1), emblem);
            QCOMPARE(picture(name, 32, 2).size(), QSize(64, 64)); // sharp at twice the density
        }
        if (name == "to folder") {
            NamespaceModel *tree = f.CcXploreTreeView1->model();
            QTRY_VERIFY(tree->isLoaded(tree->indexOf(Location::folder(here))));
            const QModelIndex node = tree->indexOf(Location::folder(here + "/to folder"));
            const QModelIndex folder = tree->indexOf(Location::folder(here + "/folder"));
            QVERIFY(node.isValid() && folder.isValid());
            QVERIFY(node.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage() !=
                    folder.data(Qt::DecorationRole).value<QIcon>().pixmap(16).toImage());
        }
    }

    // Ctrl+click on a selected item takes it out of the selection and never
    // starts renaming it; a plain click on it still does.
    void ctrlClickTogglesWithoutRenaming()
    {
        test::writeFile(root() + "/start/one.txt", "x");
        test::writeFile(root() + "/start/two.txt", "x");
        frmExplore &f = openOn(root() + "/start");
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        const auto editing = [view] {
            const auto editors = view->viewport()->findChildren<QLineEdit *>();
            return std::any_of(editors.begin(), editors.end(),
                               [](const QLineEdit *e) { return e->isVisible(); });
        };
        const int row = list->model()->rowOfName("one.txt");
        const QPoint at = view->visualRect(list->model()->index(row, 0)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(list->Selected(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ControlModifier, at,
                          QApplication::doubleClickInterval() + 50); // not a double click
        QVERIFY(!list->Selected(row));
        // Renaming would begin once a double click could no longer come.
        QTest::qWait(QApplication::doubleClickInterval() + 200);
        QVERIFY(!editing());

        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at,
                          QApplication::doubleClickInterval() + 50);
        QTRY_VERIFY(editing());
    }

    // Control characters in a name show as escapes, the same in the list
    // and the tree; the name itself is untouched for renaming.
    void controlCharactersShowAsEscapes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "plain"
                               << "plain";
        QTest::newRow("newline") << "new\nline"
                                 << "new\\nline";
        QTest::newRow("tab") << "a\tb"
                             << "a\\tb";
        QTest::newRow("escape") << "esc\x1b[0m"
                                << "esc\\x1b[0m";
        QTest::newRow("delete") << "del\x7f"
                                << "del\\x7f";
    }
    void controlCharactersShowAsEscapes()
    {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QCOMPARE(rawpath::visible(name), shown);
        QVERIFY(QDir().mkpath(root() + "/start/" + name));
        frmExplore &f = openOn(root() + "/start");
        const FolderModel *m = f.CcXploreListView1->model();
        const QModelIndex item = m->index(m->rowOfName(name), 0);
        QCOMPARE(item.data().toString(), shown);
        QCOMPARE(item.data(Qt::EditRole).toString(), name);
        NamespaceModel *tree = f.CcXploreTreeView1->model();
        QTRY_VERIFY(tree->isLoaded(tree->indexOf(Location::folder(root() + "/start"))));
        QCOMPARE(tree->indexOf(Location::folder(root() + "/start/" + name)).data().toString(),
                 shown);
    }

    // The whole "Address" caption shows before the address box, in the
    // usual font and a larger one; the box keeps its right edge.
    void addressCaptionShowsWhole_data()
    {
        QTest::addColumn<qreal>("fontScale");
        QTest::newRow("usual font") << 1.0;
        QTest::newRow("half as large again") << 1.5;
    }
    void addressCaptionShowsWhole()
    {
        QFETCH(qreal, fontScale);
        const QFont usual = QApplication::font();
        QFont font = usual;
        font.setPointSizeF(usual.pointSizeF() * fontScale);
        QApplication::setFont(font);
        frmExplore &f = h->open();
        QWidget *caption = f.txtStatus1.get();
        const int shown = f.CcXploreCombo1->geometry().left() - caption->geometry().left();
        const int needed = caption->fontMetrics().horizontalAdvance(QStringLiteral("Address"));
        QApplication::setFont(usual);
        QVERIFY2(shown >= needed, qPrintable(QStringLiteral("%1 < %2 px").arg(shown).arg(needed)));
        // Its right edge stays under the "Filter" caption, however wide that grew.
        QCOMPARE(f.CcXploreCombo1.Left() + f.CcXploreCombo1.Width(), f.Text1.Left() + 25);
    }

    // The Up button reads as enabled: dark when it is, faint when not; every
    // button looks different when it is out of use.
    void upButtonLooksEnabled()
    {
        Icons::useDesktopTheme(); // as the program starts
        frmExplore &f = h->open();
        const auto lightness = [](const QImage &image) {
            double sum = 0, weight = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgb px = image.pixel(x, y);
                    sum += qGray(px) * qAlpha(px);
                    weight += qAlpha(px);
                }
            return weight > 0 ? sum / weight : 255.0;
        };
        for (const QIcon &up : {f.ImgLstToolbar1.value(0), f.ImageList1.value(0)}) {
            const double enabled = lightness(up.pixmap(32, QIcon::Normal).toImage());
            const double disabled = lightness(up.pixmap(32, QIcon::Disabled).toImage());
            QVERIFY2(
                enabled < 100 && disabled - enabled > 40,
                qPrintable(QStringLiteral("enabled %1, disabled %2").arg(enabled).arg(disabled)));
        }
        // Every other picture, of both sizes, changes visibly when disabled.
        const auto difference = [](const QImage &a, const QImage &b) {
            double sum = 0, weight = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x) {
                    const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                    const int w = std::max(qAlpha(p), qAlpha(q));
                    sum += w * (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q)));
                    weight += w;
                }
            return weight > 0 ? sum / weight : 0.0;
        };
        for (const QList<QIcon> *list : {&f.ImgLstToolbar1, &f.ImageList1})
            for (qsizetype i = 0; i < list->size(); ++i) {
                const QIcon &icon = list->at(i);
                const double changed = difference(icon.pixmap(32, QIcon::Normal).toImage(),
                                                  icon.pixmap(32, QIcon::Disabled).toImage());
                QVERIFY2(changed > 100,
                         qPrintable(QStringLiteral("picture %1: %2").arg(i + 1).arg(changed)));
            }
    }

    // A folder deeper than the tree is wide keeps its whole name, reached by
    // the tree's scroll bar.
    void deepFoldersKeepTheirNamesInTheTree()
    {
        QString deep = root() + "/start";
        for (int i = 0; i < 12; ++i)
            deep += QStringLiteral("/a folder with a long name %1").arg(i);
        QVERIFY(QDir().mkpath(deep));
        frmExplore &f = openOn(deep);
        QTreeView *tree = f.CcXploreTreeView1->view();
        const QModelIndex here = tree->currentIndex();
        QVERIFY(here.isValid());
        QTRY_VERIFY(tree->horizontalScrollBar()->maximum() > 0);
        const QRect shown = tree->visualRect(here);
        QVERIFY(tree->columnWidth(0) >= shown.right());
        QVERIFY(shown.width() >= tree->fontMetrics().horizontalAdvance(here.data().toString()));
    }

    // Every small window: no "&" shows as such, every control has a name a
    // screen reader can read, and the window is as wide as its title.
    void dialogsReadWell_data()
    {
        QTest::addColumn<QString>("which");
        for (const char *d : {"find", "customise toolbar", "map network drive",
                              "disconnect network drive", "properties", "open with", "compress"})
            QTest::newRow(d) << d;
    }
    void dialogsReadWell()
    {
        QFETCH(QString, which);
        IdleMounter mounter;
        test::writeFile(root() + "/start/a rather long name for a file.txt", "x");
        std::unique_ptr<QWidget> w;
        if (which == "find") {
            w = std::make_unique<FindWindow>(root(), [](const QString &) {});
        } else if (which == "customise toolbar") {
            Toolbar::Button up;
            up.key = "UpOneLevel";
            up.description = "UpOneLevel";
            up.toolTip = "Up One Level";
            Toolbar::Button large;
            large.key = "LargeIcon";
            large.description = "LargeIcon";
            large.toolTip = "Large Icons";
            w = std::make_unique<ToolbarCustomizeDialog>(std::vector{up, large},
                                                         std::vector{large});
            const auto *available = w->findChild<QListWidget *>();
            QStringList listed;
            for (const QListWidget *l : w->findChildren<QListWidget *>()) {
                for (int i = 0; i < l->count(); ++i)
                    listed << l->item(i)->text();
            }
            QVERIFY(available);
            QVERIFY2(listed.contains("Up One Level") && listed.contains("Large Icons") &&
                         !listed.contains("UpOneLevel") && !listed.contains("LargeIcon"),
                     qPrintable(listed.join(", ")));
        } else if (which == "map network drive") {
            w = std::make_unique<MapNetworkDriveDialog>(mounter);
        } else if (which == "disconnect network drive") {
            w = std::make_unique<DisconnectNetworkDriveDialog>(mounter);
        } else if (which == "open with") {
            w = std::make_unique<OpenWithDialog>("text/plain", "Choose the application.");
        } else if (which == "compress") {
            w = std::make_unique<CompressDialog>("a rather long name for a file");
        } else {
            w.reset(PropertiesDialog::create(
                {QFile::encodeName(root() + "/start/a rather long name for a file.txt")}, nullptr,
                h->messages));
        }
        QVERIFY(w);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        for (const QLabel *l : w->findChildren<QLabel *>()) {
            if (l->isVisible() && l->textFormat() != Qt::RichText &&
                l->text().remove("&&").contains('&'))
                QVERIFY2(l->buddy(), qPrintable("a literal & in " + l->text()));
        }
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (c->isVisible() && c->focusPolicy() != Qt::NoFocus && !c->focusProxy())
                QVERIFY2(!accessibleName(c).isEmpty(),
                         qPrintable(QStringLiteral("%1 has no name")
                                        .arg(QString::fromLatin1(c->metaObject()->className()))));
        }
        QVERIFY2(
            w->width() >= titleWidth(w->windowTitle()),
            qPrintable(QStringLiteral("%1 px for “%2”").arg(w->width()).arg(w->windowTitle())));
    }

    // What a screen reader reads of the main window: the status after a
    // click, the filter box, the caption over the list.
    void mainWindowReadsAloud()
    {
        test::writeFile(root() + "/start/one.txt", "x");
        frmExplore &f = openOn(root() + "/start");
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        const QRect item =
            view->visualRect(list->model()->index(list->model()->rowOfName("one.txt"), 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_COMPARE(accessibleName(f.StatusBar1.get()), QStringLiteral("1 Item Selected"));
        QCOMPARE(accessibleName(f.cboFilter->lineEdit()), QStringLiteral("Filter"));
        QCOMPARE(accessibleName(f.txtStatus2.get()),
                 QStringLiteral("Contents of '%1'").arg(root() + "/start"));
    }

    // A context menu, opened by the mouse or from the keyboard, is among the
    // application's accessible children while it is open, its entries named
    // and each with an action a screen reader can call, as the menu bar's.
    void contextMenusReachAssistiveTechnology_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("press");
        QTest::newRow("list item") << "item"
                                   << "Copy";
        QTest::newRow("list background") << "background"
                                         << "New Folder";
        QTest::newRow("tree, from the keyboard") << "tree"
                                                 << "Copy";
    }
    void contextMenusReachAssistiveTechnology()
    {
        QFETCH(QString, where);
        QFETCH(QString, press);
        test::writeFile(root() + "/start/one.txt", "x");
        frmExplore &f = openOn(root() + "/start");
        QGuiApplication::clipboard()->clear();
        QStringList names;
        bool allPressable = true;
        bool pressed = false;
        QTimer::singleShot(0, this, [&] {
            QAccessibleInterface *app = QAccessible::queryAccessibleInterface(qApp);
            QAccessibleInterface *popup = nullptr;
            for (int i = 0; i < app->childCount() && !popup; ++i) {
                QAccessibleInterface *c = app->child(i);
                if (c && c->role() == QAccessible::PopupMenu)
                    popup = c;
            }
            if (popup) {
                QCOMPARE(app->indexOfChild(popup) >= 0, true);
                QCOMPARE(popup->parent()->object(), qApp);
                QAccessibleInterface *target = nullptr;
                for (int i = 0; i < popup->childCount(); ++i) {
                    QAccessibleInterface *entry = popup->child(i);
                    if (entry->role() == QAccessible::Separator)
                        continue;
                    names << entry->text(QAccessible::Name);
                    // Entries out of use have no action, as in the menu bar.
                    QAccessibleActionInterface *act = entry->actionInterface();
                    const QStringList actions = act ? act->actionNames() : QStringList();
                    allPressable = allPressable &&
                                   (entry->state().disabled ||
                                    actions.contains(QAccessibleActionInterface::pressAction()) ||
                                    actions.contains(QAccessibleActionInterface::showMenuAction()));
                    if (names.last() == press)
                        target = entry;
                }
                if (target) {
                    target->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                    pressed = true;
                }
            }
            if (QWidget *open = QApplication::activePopupWidget())
                open->close();
        });
        ExplorerListView *list = f.CcXploreListView1.get();
        QAbstractItemView *view = list->currentView();
        if (where == "item") {
            const QModelIndex i = list->model()->index(list->model()->rowOfName("one.txt"), 0);
            view->setCurrentIndex(i);
            emit view->customContextMenuRequested(view->visualRect(i).center());
        } else if (where == "background") {
            view->clearSelection();
            emit view->customContextMenuRequested(view->viewport()->rect().bottomRight() -
                                                  QPoint(5, 5));
        } else {
            QWidget *tree = f.CcXploreTreeView1->findChild<QTreeView *>();
            tree->setFocus();
            QTest::keyClick(tree, Qt::Key_F10, Qt::ShiftModifier);
        }
        QTRY_VERIFY(pressed || !names.isEmpty());
        QVERIFY2(names.contains(press), qPrintable(names.join(QLatin1Char('|'))));
        QVERIFY(!names.contains(QString()));
        QVERIFY(allPressable);
        QVERIFY(pressed);
        if (press == "Copy")
            QTRY_VERIFY(QGuiApplication::clipboard()->mimeData()->hasUrls());
        else
            QTRY_VERIFY(QFileInfo(root() + "/start/New Folder").isDir());
    }

    // The filter box is narrow; its list opens wide enough for a custom
    // filter, stored or added later.
    void filterListShowsWholeEntries()
    {
        const QString stored = QStringLiteral("*.jpg;*.png;*.gif;*.tiff");
        h->store(filterPref(3), stored);
        frmExplore &f = h->open();
        QComboBox *box = f.cboFilter.get();
        const QString added = QStringLiteral("*.jpeg;*.webp;*.heic;*.avif;*.svg");
        box->addItem(added);
        box->showPopup();
        QAbstractItemView *entries = box->view();
        QTRY_VERIFY(entries->isVisible());
        for (const QString &text : {stored, added}) {
            QVERIFY(box->findText(text) >= 0);
            const int needed = entries->fontMetrics().horizontalAdvance(text) + 6;
            QVERIFY2(entries->viewport()->width() >= needed,
                     qPrintable(QStringLiteral("%1 px for %2, which needs %3")
                                    .arg(entries->viewport()->width())
                                    .arg(text)
                                    .arg(needed)));
        }
        box->hidePopup();
    }

    // One way of writing sizes wherever the program shows one (the list,
    // Properties, the conflict question, progress), following the locale.
    void sizesReadOneWay_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << "en_US" << qint64(12) << "12 bytes";
        QTest::newRow("a byte") << "en_US" << qint64(1) << "1 byte";
        QTest::newRow("KiB") << "en_US" << qint64(1536) << "1.5 KiB";
        QTest::newRow("MiB") << "en_US" << qint64(5) * 1024 * 1024 << "5.0 MiB";
        QTest::newRow("GiB") << "en_US" << (qint64(2) << 30) << "2.0 GiB";
        QTest::newRow("German") << "de_DE" << qint64(1536) << "1,5 KiB";
    }
    void sizesReadOneWay()
    {
        QFETCH(QString, locale);
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QString list = FolderModel::sizeText(bytes);
        const QString shared = dataSizeText(bytes);
        QLocale::setDefault(before);
        QCOMPARE(list, text);
        QCOMPARE(shared, text);
    }
};

QTEST_MAIN(TestUsability)
#include "test_usability.moc"
