#pragma once

#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QProxyStyle>
#include <functional>

namespace tarnwick {

// A read-only text box used as a caption, on the button-face background.
class CaptionBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit CaptionBox(const QString &text, QWidget *parent = nullptr);
    void setCaption(const QString &text);
};

// The status bar: one line of text along the bottom of the window.
class StatusBarPanel : public QLabel
{
    Q_OBJECT
public:
    explicit StatusBarPanel(QWidget *parent = nullptr);
    QString SimpleText() const { return text(); }
    void setSimpleText(const QString &text);
};

// A panel reporting mouse presses, moves and releases with twips coordinates
// relative to itself. Moves arrive with no button held too; while a button is
// held the panel keeps the pointer, so X may lie outside it.
class MousePanel : public QWidget
{
    Q_OBJECT
public:
    using Handler = std::function<void(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift,
                                       float x, float y)>;
    MousePanel(const TwipsScale *scale, QWidget *parent = nullptr);
    void onMouseDown(Handler h) { down_ = std::move(h); }
    void onMouseMove(Handler h) { move_ = std::move(h); }
    void onMouseUp(Handler h) { up_ = std::move(h); }

protected:
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    void deliver(const Handler &h, QMouseEvent *e, Qt::MouseButtons buttons);
    const TwipsScale *scale_;
    Handler down_, move_, up_;
};

// A dialog window of fixed size: a title and a close box, no minimise or
// maximise button.
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Places a window in the middle of its screen's free area.
void centreOnScreen(QWidget *window);

// Makes a small window at least wide enough to show its whole title, with
// the program's name a window manager adds and the title bar's buttons, up
// to two thirds of its screen. Call once the title is set.
void widenForTitle(QWidget *window);
// The width widenForTitle() asks for `title`, before the screen's limit.
int titleWidth(const QString &title);

// The desktop's style, but for one thing: right to left, the standard
// buttons of a dialog show no picture. With one, Qt's style mirrors the
// words' place twice and sets them against the button's far edge, away from
// the picture.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr,
                  const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
};

// The top-level window of a form: a menu bar over a client area whose
// children are placed by the form itself. It reports resizes of the client
// area, changes of window state and the close box.
class FormWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit FormWindow(QWidget *parent = nullptr);
    QWidget *client() const { return client_; }
    // The controls Tab and Shift+Tab go round, in order; each takes the
    // focus as its own (or its focus proxy's). Hidden and disabled ones are
    // passed over. Empty: the widgets' focus chain, as Qt keeps it.
    void setTabCycle(QList<QPointer<QWidget>> controls) { tabCycle_ = std::move(controls); }

signals:
    void clientResized();
    void restored();
    // Back to the normal state from maximised, minimised or full screen.
    void normalAgain();
    void closing();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    QWidget *client_;
    QList<QPointer<QWidget>> tabCycle_;
    bool wasMinimized_ = false;
    bool wasNormal_ = true;
};

} // namespace tarnwick
