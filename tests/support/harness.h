#pragma once

#include "frmexplore.h"
#include "preferences.h"
#include "settingsstore.h"
#include "testenv.h"
#include "windowregistry.h"

#include <memory>

namespace tarnwick::test {

// Waits until the list has read what it shows; false on a time-out.
bool waitListed(ExplorerListView *list);

// The entries of a combo box's list, in order.
QStringList comboItems(const QComboBox *box);

// The top-level dialog of that kind that shows, if any.
template <class D> D *shownDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *d = qobject_cast<D *>(w); d && d->isVisible())
            return d;
    }
    return nullptr;
}

// A main window over a settings file of its own, with the program's end
// recorded instead of carried out.
class ExploreHarness
{
public:
    ExploreHarness();
    ~ExploreHarness();

    QString settingsFile() const { return dir_.filePath(QStringLiteral("tarnwick.ini")); }
    void store(Pref pref, const QString &value) { prefs.write(pref, value); }

    // Creates (first use) and shows the main window.
    frmExplore &open();
    // Opens the window on `folder` and waits until the list has read it;
    // made the active window first when `active`, for its window keys.
    frmExplore &openOn(const QString &folder, bool active = false);
    frmExplore &form() { return windows.get<frmExplore>(QString::fromLatin1(frmExplore::Name)); }
    // Resizes the window so that its client area is w x h twips.
    void setClient(float w, float h);

    QTemporaryDir dir_;
    SettingsStore settings;
    Preferences prefs;
    RecordingMessages messages;
    RecordingLauncher launcher;
    QString programPath = QStringLiteral("/opt/tarnwick/bin/tarnwick");
    int exits = 0;
    int exitCode = -1;
    WindowRegistry windows;
};

} // namespace tarnwick::test
