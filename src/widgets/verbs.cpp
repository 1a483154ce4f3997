#include "verbs.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

namespace tarnwick {

namespace {

struct VerbRow
{
    Verb verb;
    const char *caption;
    std::optional<QKeySequence::StandardKey> standardKey;
    int key; // beside the standard one; 0 for none
};

const VerbRow verbTable[] = {
    {Verb::Cut, QT_TRANSLATE_NOOP("Verbs", "Cu&t"), QKeySequence::Cut, 0},
    {Verb::Copy, QT_TRANSLATE_NOOP("Verbs", "&Copy"), QKeySequence::Copy, 0},
    {Verb::Paste, QT_TRANSLATE_NOOP("Verbs", "&Paste"), QKeySequence::Paste, 0},
    {Verb::Delete, QT_TRANSLATE_NOOP("Verbs", "&Delete"), std::nullopt, Qt::Key_Delete},
    {Verb::Rename, QT_TRANSLATE_NOOP("Verbs", "Rena&me"), std::nullopt, 0},
    {Verb::Link, QT_TRANSLATE_NOOP("Verbs", "Create &Link"), std::nullopt, 0},
    {Verb::Properties, QT_TRANSLATE_NOOP("Verbs", "P&roperties"), std::nullopt, 0},
    {Verb::Restore, QT_TRANSLATE_NOOP("Verbs", "&Restore"), std::nullopt, 0},
    {Verb::Find, QT_TRANSLATE_NOOP("Verbs", "&Find..."), std::nullopt, 0},
    {Verb::NewFolder, QT_TRANSLATE_NOOP("Verbs", "New &Folder"), std::nullopt, 0},
};

} // namespace

QString verbCaption(Verb verb)
{
    for (const VerbRow &row : verbTable) {
        if (row.verb == verb)
            return QCoreApplication::translate("Verbs", row.caption);
    }
    return {};
}

std::optional<Verb> verbForKey(const QKeyEvent &key)
{
    for (const VerbRow &row : verbTable) {
        if ((row.standardKey && key.matches(*row.standardKey)) || (row.key && key.key() == row.key))
            return row.verb;
    }
    return std::nullopt;
}

QAction *addVerbEntry(QMenu &menu, Verb verb, bool enabled, std::function<void()> run)
{
    QAction *a = menu.addAction(verbCaption(verb));
    a->setEnabled(enabled);
    QObject::connect(a, &QAction::triggered, &menu, std::move(run));
    return a;
}

bool isContextMenuKey(const QKeyEvent &key)
{
    return key.key() == Qt::Key_Menu ||
           (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
}

QPoint keyboardMenuPoint(const QAbstractItemView &view, const QModelIndex &item)
{
    const QRect area = view.viewport()->rect();
    const QRect shown = item.isValid() ? view.visualRect(item) & area : QRect();
    if (shown.isEmpty())
        return area.topLeft() + QPoint(4, 4);
    return {shown.left() + std::min(shown.width() / 2, 24), shown.center().y()};
}

} // namespace tarnwick
