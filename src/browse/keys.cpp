// Keys that no menu shows, as users of a file manager expect them: the
// address box, the panes in turn, up, back and forward through the folders
// seen in this window, and Find. They belong to the window, so they work
// whichever of its controls has the focus; a text box keeps the editing keys
// (Backspace among them) for itself.
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "frmexplore.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeView>

namespace tarnwick {

void frmExplore::buildKeys(QWidget *window)
{
    const auto bind = [this, window](std::initializer_list<QKeyCombination> keys,
                                     const std::function<void()> &handler) {
        for (const QKeyCombination key : keys) {
            auto *shortcut = new QShortcut(QKeySequence(key), window);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this, handler);
        }
    };
    bind({Qt::CTRL | Qt::Key_L, Qt::ALT | Qt::Key_D, QKeyCombination(Qt::Key_F4)},
         [this] { focusAddress(); });
    bind({QKeyCombination(Qt::Key_F6)}, [this] { focusNextPane(true); });
    bind({Qt::SHIFT | Qt::Key_F6}, [this] { focusNextPane(false); });
    bind({QKeyCombination(Qt::Key_Backspace), Qt::ALT | Qt::Key_Up}, [this] { upOneLevel(); });
    bind({Qt::ALT | Qt::Key_Left}, [this] { CcXploreTreeView1->GoBack(); });
    bind({Qt::ALT | Qt::Key_Right}, [this] { CcXploreTreeView1->GoForward(); });
    bind({QKeyCombination(Qt::Key_F3)}, [this] { mnuToolsFind_Click(); });
}

void frmExplore::focusAddress()
{
    QLineEdit *text = CcXploreCombo1->lineEdit();
    text->setFocus(Qt::ShortcutFocusReason);
    text->selectAll();
}

// The address box, the tree and the list, round in either direction. From
// the filter box, which is none of them, the next is the tree.
void frmExplore::focusNextPane(bool forward)
{
    const QWidget *focus = QApplication::focusWidget();
    const auto within = [focus](const QWidget *w) {
        return focus && (focus == w || w->isAncestorOf(focus));
    };
    int at = 0; // the address box
    if (within(CcXploreTreeView1.get()))
        at = 1;
    else if (within(CcXploreListView1.get()))
        at = 2;
    else if (!within(CcXploreCombo1.get()) && !forward)
        at = 1;
    const int next = (at + (forward ? 1 : 2)) % 3;
    if (next == 0)
        focusAddress();
    else if (next == 1)
        CcXploreTreeView1->view()->setFocus(Qt::ShortcutFocusReason);
    else
        CcXploreListView1->currentView()->setFocus(Qt::ShortcutFocusReason);
}

} // namespace tarnwick
