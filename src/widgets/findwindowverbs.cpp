// The Find window's results: their context menu, with the file list's verbs.
#include "findwindow.h"

#include "fileopener.h"
#include "founditemsmodel.h"
#include "launcher.h"
#include "mounts.h"
#include "rawpaths.h"
#include "shellverbs.h"
#include "startplaces.h"
#include "trash.h"
#include "usermessages.h"
#include "verbs.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTreeView>
#include <algorithm>

namespace tarnwick {

QList<int> FindWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &i : results_->selectionModel()->selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<QByteArray> FindWindow::selectedPaths() const
{
    QList<QByteArray> paths;
    for (int r : selectedRows())
        paths.append(model_->pathAt(r));
    return paths;
}

void FindWindow::showMenu(const QPoint &pos)
{
    const QModelIndex at =
        results_->indexAt(pos).isValid() ? results_->indexAt(pos) : results_->currentIndex();
    if (!at.isValid())
        return;
    if (!results_->selectionModel()->isRowSelected(at.row(), {}))
        results_->setCurrentIndex(at); // a right click on an unselected item selects it
    const int row = at.row();
    UserMessages &messages = services_.messages ? *services_.messages : UserMessages::dialogs();

    QMenu menu(this);
    menu.addAction(tr("&Open"), this, [this] { openItems(); });
    menu.addAction(tr("Open Containing &Folder"), this, [this, row] { openContainingFolder(row); });
    menu.addSeparator();
    const auto clip = [this](bool cut) {
        return [this, cut] { ShellVerbs::putOnClipboard(selectedPaths(), cut); };
    };
    addVerbEntry(menu, Verb::Cut, true, clip(true));
    addVerbEntry(menu, Verb::Copy, true, clip(false));
    menu.addSeparator();
    addVerbEntry(menu, Verb::Delete, true, [this] { deleteItems(); });
    menu.addSeparator();
    addVerbEntry(menu, Verb::Properties, true, [this, &messages] {
        ShellVerbs::showProperties(this, messages, selectedPaths());
    });
    menu.exec(results_->viewport()->mapToGlobal(pos));
}

// Files with their applications; a folder in the window's own tree.
void FindWindow::openItems()
{
    QList<QByteArray> files;
    for (int r : selectedRows()) {
        if (!model_->isDirAt(r))
            files.append(model_->pathAt(r));
        else if (navigator_ && files.isEmpty())
            return navigator_(rawpath::toText(model_->pathAt(r)));
    }
    if (files.isEmpty())
        return;
    auto *opener =
        new FileOpener(this, {services_.messages ? services_.messages : &UserMessages::dialogs(),
                              services_.launcher ? services_.launcher : &Launcher::system(),
                              services_.openAsker ? services_.openAsker : &OpenAsker::dialogs()});
    opener->open(files);
}

// A new window of the program, on the item's folder with the item selected,
// so the search stays as it is. The arguments go as bytes: a name that is
// not UTF-8 would not survive text.
void FindWindow::openContainingFolder(int row)
{
    const QByteArray folder = model_->folderAt(row);
    const StartPlace place{rawpath::toText(folder), {rawpath::toText(model_->nameAt(row))}};
    const QString program = services_.programPath.isEmpty()
                                ? QCoreApplication::applicationFilePath()
                                : services_.programPath;
    QList<QByteArray> argv{rawpath::toBytes(program)};
    for (const QString &argument : argumentsFor(place))
        argv.append(rawpath::toBytes(argument));
    Launcher &launcher = services_.launcher ? *services_.launcher : Launcher::system();
    const LaunchResult started = launcher.startIn(argv, folder);
    if (!started.ok()) {
        UserMessages &messages = services_.messages ? *services_.messages : UserMessages::dialogs();
        messages.error(this, tr("Another window could not be opened: “%1” did not start. %2")
                                 .arg(rawpath::shown(program), started.reason));
    }
}

void FindWindow::deleteItems()
{
    const QList<int> rows = selectedRows();
    QList<QByteArray> paths;
    for (int r : rows)
        paths.append(model_->pathAt(r));
    if (paths.isEmpty())
        return;
    UserMessages &messages = services_.messages ? *services_.messages : UserMessages::dialogs();
    if (ShellVerbs::moveToTrash(this, messages, paths, TrashStore({}, mountedTrashTops())) > 0)
        model_->removeWhere([](const QByteArray &path) { return !rawpath::exists(path); }, rows);
}

} // namespace tarnwick
