#include "accessiblepopups.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QApplication>
#include <QWidget>

namespace tarnwick {

namespace {

// Qt leaves popups out of the application's children: a context menu, which
// belongs to no menu bar, could then be reached by no walk from the top.
// Popups whose accessible parent is the application itself are added after
// the windows; a menu bar's menus and submenus keep their own parents.
class ApplicationWithPopups : public QAccessibleApplication
{
public:
    int childCount() const override
    {
        return QAccessibleApplication::childCount() + int(popups().size());
    }

    QAccessibleInterface *child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QWidget *> open = popups();
        return index - windows < open.size()
                   ? QAccessible::queryAccessibleInterface(open.at(index - windows))
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int index = QAccessibleApplication::indexOfChild(child);
        if (index >= 0 || !child)
            return index;
        const qsizetype at = popups().indexOf(qobject_cast<QWidget *>(child->object()));
        return at < 0 ? -1 : QAccessibleApplication::childCount() + int(at);
    }

private:
    QList<QWidget *> popups() const
    {
        QList<QWidget *> open;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowType() != Qt::Popup || !w->isVisible())
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            QAccessibleInterface *parent = iface ? iface->parent() : nullptr;
            if (parent && parent->object() == object())
                open.append(w);
        }
        return open;
    }
};

QAccessibleInterface *applicationFactory(const QString &, QObject *object)
{
    if (object && object == QCoreApplication::instance())
        return new ApplicationWithPopups;
    return nullptr;
}

} // namespace

void announcePopupMenus()
{
    static bool installed = false;
    if (installed || !QCoreApplication::instance())
        return;
    installed = true;
    QAccessible::installFactory(applicationFactory);
    // An interface made before the factory was there is dropped, so that
    // the next look-up makes the one that lists popups.
    QAccessibleInterface *app = QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    if (app && !dynamic_cast<ApplicationWithPopups *>(app))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(app));
}

} // namespace tarnwick
