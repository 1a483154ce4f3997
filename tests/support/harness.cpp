#include "harness.h"

#include "explorerlistview.h"
#include "explorertreeview.h"
#include "foldermodel.h"
#include "form1.h"
#include "frmabout.h"
#include "frmoptions.h"
#include "frmsplash2.h"
#include "panels.h"
#include "shellitems.h"

namespace tarnwick::test {

bool waitListed(ExplorerListView *list)
{
    if (list->location().isFolder()) {
        if (!list->model()->isLoading())
            return true;
        QSignalSpy spy(list->model(), &FolderModel::loadingFinished);
        return spy.wait(10000);
    }
    if (!list->shellModel()->isLoading())
        return true;
    QSignalSpy spy(list->shellModel(), &ShellItemsModel::loadingFinished);
    return spy.wait(10000);
}

QStringList comboItems(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

ExploreHarness::ExploreHarness()
    : settings(settingsFile()), prefs(settings), windows([this](int code) {
          ++exits;
          exitCode = code;
      })
{
    quietPlatformNotes();
    windows.define(QString::fromLatin1(frmExplore::Name), [this](WindowRegistry &w) {
        return std::make_unique<frmExplore>(w, prefs,
                                            FormServices{&messages, &launcher, programPath});
    });
    windows.define(QString::fromLatin1(frmOptions::Name),
                   [this](WindowRegistry &w) { return std::make_unique<frmOptions>(w, prefs); });
    windows.define(QString::fromLatin1(Form1::Name),
                   [](WindowRegistry &) { return std::make_unique<Form1>(); });
    windows.define(QString::fromLatin1(frmAbout::Name), [this](WindowRegistry &) {
        return std::make_unique<frmAbout>(frmAbout::Services{&messages, &launcher});
    });
    windows.define(QString::fromLatin1(frmSplash2::Name),
                   [](WindowRegistry &w) { return std::make_unique<frmSplash2>(w); });
}

ExploreHarness::~ExploreHarness() = default;

frmExplore &ExploreHarness::open()
{
    frmExplore &f = form();
    f.show();
    if (!QTest::qWaitForWindowExposed(f.window()))
        qWarning("main window not exposed");
    return f;
}

frmExplore &ExploreHarness::openOn(const QString &folder, bool active)
{
    frmExplore &f = open();
    if (active) {
        f.window()->activateWindow();
        if (!QTest::qWaitForWindowActive(f.window()))
            qWarning("the window did not become active");
    }
    f.CcXploreTreeView1->setCurrentFolder(folder);
    waitListed(f.CcXploreListView1.get());
    return f;
}

void ExploreHarness::setClient(float w, float h)
{
    frmExplore &f = form();
    FormWindow *win = f.formWindow();
    const QSize want(f.scale().toPixels(w), f.scale().toPixels(h));
    const QSize extra = win->size() - win->client()->size();
    win->resize(want + extra);
    QTRY_COMPARE(win->client()->size(), want);
}

} // namespace tarnwick::test
