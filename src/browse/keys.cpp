// Keys that no menu shows, as users of a file manager expect them: the
// address box, the panes in turn, up, back and forward through the folders
// seen in this window, Find, and hidden files shown or not. They belong to
// the window, so they work whichever of its controls has the focus; a text
// box keeps the editing keys (Backspace among them) for itself.
#include "explorercombo.h"
#include "explorerlistview.h"
#include "explorertreeview.h"
#include "frmexplore.h"
#include "preferences.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QTreeView>

namespace tarnwick {

namespace {

// Hands the key presses a widget receives to a function first; those it
// takes go no further.
class KeyRelay : public QObject
{
public:
    KeyRelay(QObject *parent, std::function<bool(const QKeyEvent &)> take)
        : QObject(parent), take_(std::move(take))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && take_(*static_cast<QKeyEvent *>(event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(const QKeyEvent &)> take_;
};

} // namespace

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
    bind({Qt::CTRL | Qt::Key_H}, [this] { toggleHiddenFiles(); });

    // A menu closed with Escape leaves the menu bar holding the keys; Cut,
    // Copy and Paste still go to the pane last worked in, which takes the
    // focus back.
    auto *bar = static_cast<QMainWindow *>(window)->menuBar();
    bar->installEventFilter(new KeyRelay(bar, [this](const QKeyEvent &key) {
        for (const auto &[standard, verb] :
             {std::pair{QKeySequence::Cut, Verb::Cut}, std::pair{QKeySequence::Copy, Verb::Copy},
              std::pair{QKeySequence::Paste, Verb::Paste}}) {
            if (!key.matches(standard))
                continue;
            if (activePane == Pane::Tree)
                CcXploreTreeView1->view()->setFocus(Qt::OtherFocusReason);
            else if (activePane == Pane::List)
                CcXploreListView1->currentView()->setFocus(Qt::OtherFocusReason);
            invokeVerb(verb);
            return true;
        }
        return false;
    }));
}

// The same stored switch as the Options dialog's "Show Hidden Files" box, so
// the box agrees when it next opens; the tree follows the list.
void frmExplore::toggleHiddenFiles()
{
    const bool show = !CcXploreListView1->Hidden();
    prefs_.write(Pref::HiddenFiles, show ? QStringLiteral("1") : QStringLiteral("0"));
    CcXploreListView1->setShowHidden(show);
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
