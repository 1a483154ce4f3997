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
    // Beside the standard one; a key without modifiers here takes any.
    QKeyCombination keys[2];
};

// Shift+Delete comes first: the desktop's Cut takes it too, and Delete
// takes every other modifier.
const VerbRow verbTable[] = {
    {Verb::DeleteForGood,
     QT_TRANSLATE_NOOP("Verbs", "Delete for &Good"),
     std::nullopt,
     {Qt::SHIFT | Qt::Key_Delete}},
    {Verb::Cut, QT_TRANSLATE_NOOP("Verbs", "Cu&t"), QKeySequence::Cut, {}},
    {Verb::Copy, QT_TRANSLATE_NOOP("Verbs", "&Copy"), QKeySequence::Copy, {}},
    {Verb::Paste, QT_TRANSLATE_NOOP("Verbs", "&Paste"), QKeySequence::Paste, {}},
    {Verb::Delete,
     QT_TRANSLATE_NOOP("Verbs", "&Delete"),
     std::nullopt,
     {QKeyCombination(Qt::Key_Delete)}},
    {Verb::Rename, QT_TRANSLATE_NOOP("Verbs", "Rena&me"), std::nullopt, {}},
    {Verb::Link, QT_TRANSLATE_NOOP("Verbs", "Create &Link"), std::nullopt, {}},
    {Verb::Properties,
     QT_TRANSLATE_NOOP("Verbs", "P&roperties"),
     std::nullopt,
     {Qt::ALT | Qt::Key_Return, Qt::ALT | Qt::Key_Enter}},
    {Verb::Restore, QT_TRANSLATE_NOOP("Verbs", "&Restore"), std::nullopt, {}},
    {Verb::Find, QT_TRANSLATE_NOOP("Verbs", "&Find..."), std::nullopt, {}},
    {Verb::NewFolder, QT_TRANSLATE_NOOP("Verbs", "New &Folder"), std::nullopt, {}},
};

bool matches(const QKeyEvent &event, QKeyCombination key)
{
    if (key.key() == Qt::Key_unknown || event.key() != key.key())
        return false;
    const Qt::KeyboardModifiers wanted = key.keyboardModifiers();
    return !wanted || (event.modifiers() & ~Qt::KeypadModifier) == wanted;
}

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
        if ((row.standardKey && key.matches(*row.standardKey)) || matches(key, row.keys[0]) ||
            matches(key, row.keys[1]))
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
