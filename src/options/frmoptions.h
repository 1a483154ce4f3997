#pragma once

#include "formobject.h"
#include "preferences.h"
#include "tabstrip.h"
#include "toolbar.h"
#include "twips.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace tarnwick {

class frmExplore;
class WindowRegistry;

// The Options window: a fixed dialog in which neither button is the default
// or the cancel button, so Enter and Escape close nothing. The close box
// still closes it.
class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsWindow(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The Options dialog: which toolbar and whether the status bar show, the
// twelve custom filters, and the file list's three switches. Every check box
// acts on the main window at once; OK commits only the filters. One object for
// the run, its window built afresh at each opening.
class frmOptions : public FormObject
{
    Q_OBJECT
public:
    static constexpr const char *Name = "frmOptions";
    // Design client area and the client area's design position on the screen.
    static constexpr float DesignScaleWidth = 4800;
    static constexpr float DesignScaleHeight = 3960;
    static constexpr float DesignLeft = 2430;
    static constexpr float DesignTop = 1770;
    static constexpr int FilterCount = 12;

    frmOptions(WindowRegistry &windows, Preferences &prefs);
    ~frmOptions() override;

    OptionsWindow *dialog() const;
    const TwipsScale &scale() const { return scale_; }

    // Handlers, named after their control and event.
    void TabStrip1_Click(int tab); // tab counted from 1
    void chkToolBar_Click();
    void chkToolBar2_Click();
    void chkStatusBar_Click();
    void chkAllowRename_Click();
    void chkShowHidden_Click();
    void chkShowSystem_Click();
    void cmdCustomize_Click();
    void cmdCancel_Click();
    void Command1_Click();
    // Form_Terminate: the main window's size goes back to the store.
    void teardown() override;

    // The panel in front of the others; only its controls take the focus and
    // the Alt keys.
    int frontPanel() const { return front_; }

    Control<TabStrip> TabStrip1;
    std::array<Control<QWidget>, 3> picTab;
    Control<QPushButton> Command1;
    Control<QPushButton> cmdCancel;
    Control<QCheckBox> chkToolBar;
    Control<QCheckBox> chkToolBar2;
    Control<QCheckBox> chkStatusBar;
    Control<QPushButton> cmdCustomize;
    Control<QLabel> Label1;
    std::array<Control<QLineEdit>, FilterCount> txtFilter;
    Control<QCheckBox> chkAllowRename;
    Control<QCheckBox> chkShowHidden;
    Control<QCheckBox> chkShowSystem;

    // Where the filter box of slot i (0-based) lies on its page.
    static TwipsRect filterRect(int index);

protected:
    QWidget *build() override;
    void Form_Load() override;
    void released() override;

private:
    frmExplore *mainWindow() const;
    void bringToFront(int index);
    void fillFilters();
    enum ToolbarChoice
    {
        Small,
        Large
    };
    void toolbarBoxChanged(Control<QCheckBox> &box, Control<QCheckBox> &other,
                           ToolbarChoice choice);
    void setSwitch(Control<QCheckBox> &box, Pref pref);
    bool storeSwitch(Control<QCheckBox> &box, Pref pref);

    WindowRegistry &windows_;
    Preferences &prefs_;
    TwipsScale scale_;
    int front_ = -1;
};

} // namespace tarnwick
