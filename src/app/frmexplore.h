#pragma once

#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "formobject.h"
#include "panels.h"
#include "startplaces.h"
#include "toolbar.h"
#include "twips.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QTextEdit>
#include <memory>
#include <optional>

class QPrinter;

namespace tarnwick {

class Launcher;
class Preferences;
class UserMessages;
class WindowRegistry;

// What the main window talks to outside itself; tests substitute these.
struct FormServices
{
    UserMessages *messages = nullptr; // message boxes and prompts
    Launcher *launcher = nullptr;     // files, programs, the second copy
    QString programPath;              // this program's own executable
};

// Environment variable that asks a new copy to open minimised.
inline constexpr const char *ShowStateVariable = "TARNWICK_SHOW_STATE";

// The main window: the folder tree and the file list under a header row with
// the address box and the filter box, the toolbar strip above and the status
// bar below. Its controls are members under their own names.
class frmExplore : public FormObject
{
    Q_OBJECT
public:
    static constexpr const char *Name = "frmExplore";
    // Design size of the client area, and the window's design position.
    static constexpr float DesignScaleWidth = 9360;
    static constexpr float DesignScaleHeight = 6420;
    static constexpr float DesignLeft = 1155;
    static constexpr float DesignTop = 1890;
    // Height of the toolbar strip with each toolbar.
    static constexpr float SmallStripHeight = 375;
    static constexpr float LargeStripHeight = 560;
    // The gap between the panes: the visible strip of the splitter panel.
    static constexpr float PaneGap = 40;

    frmExplore(WindowRegistry &windows, Preferences &prefs, FormServices services = {});
    ~frmExplore() override;

    // Client area in twips.
    float ScaleWidth() const;
    float ScaleHeight() const;
    // How far the address box sits right of its design place, so that the
    // whole "Address" caption shows in the font in use; 0 when it fits.
    float addressShift() const { return addressShift_; }
    const TwipsScale &scale() const { return scale_; }
    FormWindow *formWindow() const;

    // The window's outer size in twips, frame included: the size it has when
    // neither maximised nor minimised, and once the window is gone, the last
    // size it had. Setting it keeps the window on the screen's free area and
    // no smaller than MinimumWidth x MinimumHeight; a maximised or minimised
    // window keeps its state and takes the size when it is restored.
    float Height() const;
    float Width() const;
    void setHeight(float twips);
    void setWidth(float twips);
    static constexpr float MinimumWidth = 4800;
    static constexpr float MinimumHeight = 3600;

    // Layout (whole window), resize handling.
    void SizeControls();
    void Form_Resize();

    // The pane splitter.
    void picSplitter_MouseDown(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x,
                               float y);
    void picSplitter_MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x,
                               float y);
    void picSplitter_MouseUp(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x,
                             float y);
    bool splitterDragging = false;

    void mnuFileClose_Click();

    // Print: the listing of the tree's folder, through the printer dialog.
    void mnuPrintWindow_Click();
    void PrintFolderContents();
    // True when the printer could not be started on what was chosen.
    bool PrintListing();

    // Menus: one handler per entry, named after it.
    void mnuFileOpen_Click();
    void mnuFileExplore_Click();
    void mnuEditTop_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuFileProperties_Click();
    void mnuToolsFind_Click();
    void mnuFileDelete_Click();
    void mnuFileRename_Click();
    void mnuFileCreateShortcut_Click();
    void mnuEditSelectAll_Click();
    void mnuEditInvertSelection_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewLargeIcons_Click();
    void mnuViewSmallIcons_Click();
    void mnuViewList_Click();
    void mnuViewDetails_Click();
    void mnuToolsCustomizeToolbar_Click();
    void mnuToolsMapNetDrive_Click();
    void mnuToolsDisconnectNetDrive_Click();
    void mnuToolsGoTo_Click();
    void mnuToolsHistory_Click();
    void mnuOptions_Click();
    void mnuHelpAbout_Click();

    // Toolbars: a clicked button's key reaches the handler its menu entry has.
    void Toolbar1_ButtonClick(const QString &key);
    void Toolbar2_ButtonClick(const QString &key);
    // The toolbars' Up One Level, and the buttons the customise dialog
    // offers besides the design's: Back, Forward and Home.
    void upOneLevel();
    void goBack();
    void goForward();
    void goHome();
    // The menu entry of that name, if any.
    QAction *menuEntry(const QString &name) const;

    // Browsing: the active pane, the list caption and the status bar.
    void CcXploreTreeView1_GotFocus();
    void CcXploreListView1_GotFocus();
    void CcXploreTreeView1_FolderChanged(const QString &folder);
    void CcXploreListView1_Click();
    void CcXploreListView1_FolderChanged(const QString &folder);
    void CcXploreCombo1_FolderChanged(const QString &folder);
    // The pane the user last worked in.
    enum class Pane : qint16
    {
        None = 0, // until a pane has had the focus
        Tree = 1,
        List = 2
    };
    Pane activePane = Pane::None;

private:
    float addressShift_ = 0;

public:
    // The filter box.
    void cboFilter_Change();
    void cboFilter_Click();

    Control<ExplorerCombo> CcXploreCombo1;
    Control<ExplorerListView> CcXploreListView1;
    Control<ExplorerTreeView> CcXploreTreeView1;
    Control<CaptionBox> Text1;
    Control<QTextEdit> rtfPrintWindow;
    Control<QComboBox> cboFilter;
    Control<CaptionBox> txtStatus1;
    Control<QWidget> picToolbar1;
    Control<ExplorerCombo> CcXploreCombo12;
    Control<Toolbar> Toolbar1;
    Control<Toolbar> Toolbar2;
    Control<MousePanel> picSplitter;
    Control<StatusBarPanel> StatusBar1;
    Control<CaptionBox> txtStatus2;

    // The printer last chosen, kept for the next print of the run.
    std::unique_ptr<QPrinter> dlgCommonDialog;

    QPointer<QMenu> mnuFileTop;
    QPointer<QMenu> mnuEditTop;
    QPointer<QMenu> View;
    QPointer<QMenu> mnuToolsTop;
    QPointer<QMenu> mnuHelpTop;
    QPointer<QAction> mnuFileClose;
    QPointer<QAction> mnuEditPaste;
    QPointer<QAction> mnuViewToolbar;
    QPointer<QAction> mnuViewStatusBar;
    QPointer<QAction> mnuViewLargeIcons;
    QPointer<QAction> mnuViewSmallIcons;
    QPointer<QAction> mnuViewList;
    QPointer<QAction> mnuViewDetails;
    // Pictures of the large and of the small toolbar, 1-based as the
    // buttons number them.
    QList<QIcon> ImageList1;
    QList<QIcon> ImgLstToolbar1;

    // Where the window opens when it next loads, instead of its usual start.
    void setStartPlace(const StartPlace &place) { start_ = place; }
    // Another, independent copy of the program given `arguments`; minimised
    // as Explore starts one, or shown for another program's request, with
    // the token that lets the desktop give it the focus. A copy that does
    // not start is told in a box.
    void startAnotherCopy(const QStringList &arguments = {}, bool minimised = true,
                          const QString &startupId = {});
    // The same without the box, for a caller that answers for itself; false
    // when the copy did not start.
    [[nodiscard]] bool startCopy(const QStringList &arguments, bool minimised,
                                 const QString &startupId);

    Preferences &prefs() const { return prefs_; }
    WindowRegistry &windows() const { return windows_; }
    UserMessages *messages() const { return services_.messages; }
    const FormServices &services() const { return services_; }

protected:
    QWidget *build() override;
    void Form_Load() override;
    void released() override;

private:
    void buildControls(QWidget *client);
    void buildMenus(FormWindow *window);
    void buildToolbars();
    void buildKeys(QWidget *window);
    void focusAddress();
    void toggleHiddenFiles();
    void focusNextPane(bool forward);
    void alignBars();
    void chooseView(ExplorerListView::ViewMode mode, const QString &key);
    void markView();
    void placeSplitterGrip();
    void dispatchToolbarKey(const QString &key);
    void invokeVerb(Verb verb);
    QSize normalOuterSize() const;
    void setOuterLength(Qt::Orientation along, float twips);
    void setNormalOuterSize(QSize pixels);
    void rememberSize();
    float largest() const;

    WindowRegistry &windows_;
    Preferences &prefs_;
    FormServices services_;
    TwipsScale scale_;
    QSize lastOuterSize_;                // pixels, kept for after the window has gone
    std::optional<QSize> pendingNormal_; // pixels, for when the window is restored
    std::optional<StartPlace> start_;
    // Takes the mouse a few pixels either side of the splitter's thin strip
    // and hands it to the splitter's own handlers.
    QPointer<MousePanel> splitterGrip_;
};

} // namespace tarnwick
