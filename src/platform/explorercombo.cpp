#include "explorercombo.h"

#include "icons.h"

#include <QLineEdit>

namespace tarnwick {

ExplorerCombo::ExplorerCombo(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setAccessibleName(tr("Address"));
    lineEdit()->setAccessibleName(tr("Address"));
    connect(lineEdit(), &QLineEdit::returnPressed, this, [this] { go(currentText()); });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!filling_)
            go(itemData(index).toString());
    });
}

void ExplorerCombo::showLocation(const QString &path)
{
    location_ = path;
    filling_ = true;
    clear();
    // The drop-down lists the way down to the current folder.
    QStringList chain;
    for (QString p = path; !p.isEmpty();) {
        chain.prepend(p);
        if (p == QLatin1String("/"))
            break;
        const qsizetype slash = p.lastIndexOf(QLatin1Char('/'));
        p = slash <= 0 ? QStringLiteral("/") : p.left(slash);
    }
    for (const QString &p : chain)
        addItem(Icons::folder(), p, p);
    setCurrentIndex(count() - 1);
    setEditText(path);
    filling_ = false;
}

void ExplorerCombo::setNavigator(Navigator navigator)
{
    navigator_ = std::move(navigator);
}

bool ExplorerCombo::go(const QString &text)
{
    if (!navigator_ || text.isEmpty() || text == location_) {
        setEditText(location_);
        return false;
    }
    if (!navigator_(text)) {
        setEditText(location_);
        return false;
    }
    emit FolderChanged(location_);
    return true;
}

} // namespace tarnwick
