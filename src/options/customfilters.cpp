// The twelve custom filters: the Filters page fills from the store, and OK
// stores them and rebuilds the main window's filter box.
#include "frmexplore.h"
#include "frmoptions.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace tarnwick {

void frmOptions::fillFilters()
{
    for (int i = 1; i <= FilterCount; ++i)
        txtFilter[size_t(i - 1)]->setText(prefs_.read(filterPref(i)));
}

void frmOptions::Command1_Click()
{
    // Each slot is written, then read back: what the box lists is what the
    // store holds, also when a write fails.
    QStringList entries{QStringLiteral("*.*"), QStringLiteral("*.txt"), QStringLiteral("*.doc")};
    for (int i = 1; i <= FilterCount; ++i) {
        prefs_.write(filterPref(i), txtFilter[size_t(i - 1)]->text());
        const QString stored = prefs_.read(filterPref(i));
        if (!stored.isEmpty())
            entries << stored;
    }

    if (frmExplore *main = mainWindow()) {
        // Emptying and refilling the list would change the box's text, and
        // through it the list's pattern; the commit applies no pattern, so
        // the box keeps the text it shows.
        QComboBox *box = main->cboFilter.get();
        const QSignalBlocker quiet(box);
        const QString shown = box->currentText();
        box->clear();
        box->addItems(entries);
        box->setEditText(shown);
    }

    if (QWidget *w = window())
        w->close();
}

} // namespace tarnwick
