#include "explorercombo.h"

#include "explorertreeview.h"
#include "icons.h"
#include "mounts.h"
#include "networkmounts.h"

#include <QCompleter>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>

namespace tarnwick {

namespace {
constexpr int LocationRole = Qt::UserRole + 1;
constexpr int DepthRole = Qt::UserRole + 2;

// Every folder looked at while completing is looked at on the window's
// thread, and a server's place answers only when its server does: names
// there are not completed.
class FolderCompleter : public QCompleter
{
public:
    using QCompleter::QCompleter;
    QStringList splitPath(const QString &path) const override
    {
        if (isOnNetworkPlace(path) || path.contains(QLatin1String("://")))
            return {};
        return QCompleter::splitPath(path);
    }
};

bool isNetworkAddress(const QString &text)
{
    return text.contains(QLatin1String("://")) && !text.startsWith(QLatin1String("file://"));
}

} // namespace

QString ExplorerCombo::addressText(const Location &location)
{
    if (location.isFolder()) {
        const QString address = networkAddressOf(location.path);
        if (!address.isEmpty())
            return address;
    }
    return location.displayName();
}

ExplorerCombo::ExplorerCombo(QWidget *parent) : QComboBox(parent), volumes_(mountedVolumes)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setAccessibleName(tr("Address"));
    lineEdit()->setAccessibleName(tr("Address"));

    // Folder names complete as they are typed; the model reads folders on a
    // thread of its own.
    auto *folders = new QFileSystemModel(this);
    folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    folders->setRootPath(QString());
    auto *completer = new FolderCompleter(folders, this);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setCaseSensitivity(Qt::CaseSensitive);
    setCompleter(completer);

    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] { go(currentText()); });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (filling_)
            return;
        const QVariant v = itemData(index, LocationRole);
        if (v.isValid())
            goTo(v.value<Location>());
    });
}

void ExplorerCombo::setVolumeSource(VolumeSource volumes)
{
    volumes_ = std::move(volumes);
}

void ExplorerCombo::showLocation(const Location &location)
{
    location_ = location;
    filling_ = true;
    clear();
    auto add = [this](const QIcon &icon, const QString &text, const Location &target, int depth) {
        addItem(icon, text);
        setItemData(count() - 1, QVariant::fromValue(target), LocationRole);
        setItemData(count() - 1, depth, DepthRole);
        return count() - 1;
    };
    add(Icons::place(DesktopSpace), nameSpaceName(DesktopSpace), Location::special(DesktopSpace),
        0);
    int current = add(Icons::place(MyComputerSpace), nameSpaceName(MyComputerSpace),
                      Location::special(MyComputerSpace), 1);
    if (!location.isFolder() && location.nameSpace != MyComputerSpace)
        current = location.nameSpace == DesktopSpace
                      ? 0
                      : add(Icons::place(location.nameSpace), nameSpaceName(location.nameSpace),
                            location, 1);

    // The volumes, with the ancestors of the current folder under the one
    // that holds it.
    QStringList roots{QStringLiteral("/")};
    for (const Volume &v : volumes_()) {
        if (!roots.contains(v.mountPoint))
            roots.append(v.mountPoint);
    }
    QString holder;
    if (location.isFolder()) {
        for (const QString &r : roots) {
            const bool under = r == QLatin1String("/") || location.path == r ||
                               location.path.startsWith(r + QLatin1Char('/'));
            if (under && r.size() > holder.size())
                holder = r;
        }
    }
    for (const QString &root : roots) {
        const int row = add(Icons::themed(QStringLiteral("drive-harddisk"), Icons::folder()), root,
                            Location::folder(root), 2);
        if (root != holder)
            continue;
        current = row;
        int depth = 3;
        QString path = root;
        const QString rest = location.path.mid(root == QLatin1String("/") ? 1 : root.size());
        for (const QString &part : rest.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path = path.endsWith(QLatin1Char('/')) ? path + part : path + QLatin1Char('/') + part;
            current = add(Icons::folder(), path, Location::folder(path), depth++);
        }
    }
    setCurrentIndex(current);
    setEditText(addressText(location));
    filling_ = false;
}

void ExplorerCombo::setNavigator(Navigator navigator)
{
    navigator_ = std::move(navigator);
}

bool ExplorerCombo::go(const QString &text)
{
    if (text.isEmpty()) {
        setEditText(addressText(location_));
        return false;
    }
    const NameSpace special = nameSpaceFromName(text);
    if (special != FolderSpace)
        return goTo(Location::special(special));
    if (connector_ && isNetworkAddress(text.trimmed())) {
        if (connector_(text.trimmed())) {
            emit FolderChanged(location_.displayName());
            return true;
        }
        setEditText(addressText(location_));
        return false;
    }
    const QString here = location_.isFolder() ? location_.path : QString();
    // Blanks picked up around a pasted path: the text as typed comes first,
    // as a name may begin or end with a blank, then the text without them.
    const QString trimmed = text.trimmed();
    const Location orElse = trimmed != text && !trimmed.isEmpty()
                                ? Location::folder(ExplorerTreeView::resolvePath(trimmed, here))
                                : Location();
    return goTo(Location::folder(ExplorerTreeView::resolvePath(text, here)), orElse);
}

bool ExplorerCombo::goTo(const Location &target, const Location &orElse)
{
    if (!navigator_ || target == location_) {
        setEditText(addressText(location_));
        return false;
    }
    if (!navigator_(target, orElse)) {
        setEditText(addressText(location_));
        return false;
    }
    emit FolderChanged(location_.displayName());
    return true;
}

} // namespace tarnwick
