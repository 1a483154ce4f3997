#pragma once

#include "names.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace tarnwick {

// Renaming in place selects the name without its extension, so that the
// new name typed keeps the item's type ("beach" of "beach.jpg").
class NameEditDelegate : public QStyledItemDelegate
{
public:
    // `folderRole` says whether an item is a folder, whose whole name is
    // selected; -1 when every item is one.
    NameEditDelegate(QObject *parent, int folderRole)
        : QStyledItemDelegate(parent), folderRole_(folderRole)
    {
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *line = qobject_cast<QLineEdit *>(editor)) {
            const bool isDir = folderRole_ < 0 || index.data(folderRole_).toBool();
            // The view selects the whole text once the editor holds it.
            QMetaObject::invokeMethod(
                line,
                [line, isDir] { line->setSelection(0, names::stemLength(line->text(), isDir)); },
                Qt::QueuedConnection);
        }
        return editor;
    }

    // Right to left, the window's direction would carry a name's leading
    // dot or closing bracket to its other end (".bashrc" as "bashrc."): a
    // text keeps the direction of its own first letter.
    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        const QString text = QStyledItemDelegate::displayText(value, locale);
        if (!QGuiApplication::isRightToLeft() || value.userType() != QMetaType::QString)
            return text;
        return QChar(0x2068) + text + QChar(0x2069); // first strong isolate ... pop
    }

private:
    int folderRole_;
};

} // namespace tarnwick
