#include "panels.h"

#include <QApplication>

#include <QCloseEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>
#include <utility>

namespace tarnwick {

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    const bool rightToLeft = widget ? widget->isRightToLeft() : QGuiApplication::isRightToLeft();
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons && rightToLeft)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

CaptionBox::CaptionBox(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setFrame(false);
    setTextMargins(2, 0, 0, 0);
    // At the design's leading edge whatever the caption's own script: a
    // box beside it covers the other end.
    setAlignment(Qt::AlignAbsolute | (isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft));
    setBackgroundRole(QPalette::Button);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Button));
    setPalette(pal);
    setAccessibleName(text);
}

void CaptionBox::setCaption(const QString &text)
{
    setText(text);
    setCursorPosition(0);
    setAccessibleName(text);
}

StatusBarPanel::StatusBarPanel(QWidget *parent) : QLabel(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setIndent(4);
    setAccessibleName(tr("Status bar"));
    setAccessibleDescription(tr("Status bar"));
    setTextFormat(Qt::PlainText);
}

// A screen reader reads a label's name: that is the text, while there is
// one, and the role stays in the description.
void StatusBarPanel::setSimpleText(const QString &text)
{
    setText(text);
    setAccessibleName(text.isEmpty() ? tr("Status bar") : text);
}

MousePanel::MousePanel(const TwipsScale *scale, QWidget *parent) : QWidget(parent), scale_(scale)
{
    setMouseTracking(true);
}

void MousePanel::deliver(const Handler &h, QMouseEvent *e, Qt::MouseButtons buttons)
{
    if (!h)
        return;
    const QPointF p = e->position();
    h(buttons, e->modifiers(), float(p.x()) * scale_->twipsPerPixel(),
      float(p.y()) * scale_->twipsPerPixel());
}

void MousePanel::mousePressEvent(QMouseEvent *e)
{
    deliver(down_, e, e->button());
}

void MousePanel::mouseMoveEvent(QMouseEvent *e)
{
    deliver(move_, e, e->buttons());
}

void MousePanel::mouseReleaseEvent(QMouseEvent *e)
{
    deliver(up_, e, e->button());
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen())
        window->move(screen->availableGeometry().center() -
                     QPoint(window->width(), window->height()) / 2);
}

int titleWidth(const QString &title)
{
    QString full = title;
    const QString app = QGuiApplication::applicationDisplayName();
    if (!app.isEmpty() && !full.endsWith(app))
        full += QStringLiteral(" \u2014 ") + app;
    // Title bars mostly set their text in a bold face of about the
    // program's size; their icon and three buttons take about four heights.
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(full) + 4 * (metrics.height() + 12);
}

namespace {

// A minimum width set on a window stops its layout from setting its own, so
// the window could open narrower than its contents need (longer words in
// another language): as it shows, it takes the wider of the two.
class LayoutMinimum : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Show && window->layout()) {
            const int needed = window->layout()->totalMinimumSize().width();
            if (needed > window->minimumWidth())
                window->setMinimumWidth(needed);
        }
        return false;
    }
};

} // namespace

void widenForTitle(QWidget *window)
{
    int wanted = titleWidth(window->windowTitle());
    if (const QScreen *screen = window->screen())
        wanted = std::min(wanted, screen->availableGeometry().width() * 2 / 3);
    if (wanted > window->minimumWidth())
        window->setMinimumWidth(wanted);
    window->installEventFilter(new LayoutMinimum(window));
}

FormWindow::FormWindow(QWidget *parent) : QMainWindow(parent), client_(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setCentralWidget(client_);
    client_->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == client_ && event->type() == QEvent::Resize)
        emit clientResized();
    return QMainWindow::eventFilter(watched, event);
}

bool FormWindow::focusNextPrevChild(bool next)
{
    if (tabCycle_.isEmpty())
        return QMainWindow::focusNextPrevChild(next);
    const QWidget *focus = QApplication::focusWidget();
    const qsizetype count = tabCycle_.size();
    qsizetype at = -1;
    for (qsizetype i = 0; i < count && at < 0; ++i) {
        const QWidget *c = tabCycle_[i];
        if (c && focus && (c == focus || c->isAncestorOf(focus)))
            at = i;
    }
    if (at < 0) // the focus is elsewhere: Tab starts the round, Shift+Tab ends it
        at = next ? count - 1 : 0;
    for (qsizetype step = 1; step <= count; ++step) {
        QWidget *c = tabCycle_[(at + (next ? step : count - step)) % count];
        if (c && c->isVisible() && c->isEnabled()) {
            c->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void FormWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    const bool minimized = isMinimized();
    const bool normal = windowState() == Qt::WindowNoState;
    const bool wasNormal = std::exchange(wasNormal_, normal);
    if (wasMinimized_ && !minimized)
        emit restored();
    wasMinimized_ = minimized;
    if (normal && !wasNormal)
        emit normalAgain();
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closing();
}

} // namespace tarnwick
