// The main window's outer size in twips, as the Options dialog sets it from
// the store and writes it back at the program's end.
#include "frmexplore.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tarnwick {

namespace {

constexpr Qt::WindowStates NotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// What the frame adds to the client size; nothing before the window manager
// has framed the window.
QSize frameExtra(const QWidget *w)
{
    return (w->frameGeometry().size() - w->geometry().size()).expandedTo(QSize(0, 0));
}

} // namespace

// Beyond this a length has no pixel count; the screen clamps it further.
float frmExplore::largest() const
{
    return scale_.toTwips(QWIDGETSIZE_MAX);
}

QSize frmExplore::normalOuterSize() const
{
    const QWidget *w = window();
    if (!w)
        return lastOuterSize_;
    if (pendingNormal_)
        return *pendingNormal_;
    QRect normal = w->normalGeometry();
    if (!normal.isValid())
        normal = w->geometry();
    return normal.size() + frameExtra(w);
}

void frmExplore::rememberSize()
{
    if (window())
        lastOuterSize_ = normalOuterSize();
}

float frmExplore::Height() const
{
    return scale_.toTwips(normalOuterSize().height());
}

float frmExplore::Width() const
{
    return scale_.toTwips(normalOuterSize().width());
}

void frmExplore::setHeight(float twips)
{
    setOuterLength(Qt::Vertical, twips);
}

void frmExplore::setWidth(float twips)
{
    setOuterLength(Qt::Horizontal, twips);
}

void frmExplore::setOuterLength(Qt::Orientation along, float twips)
{
    if (!window() || !std::isfinite(twips))
        return;
    QSize size = normalOuterSize();
    if (along == Qt::Vertical)
        size.setHeight(scale_.toPixels(std::clamp(twips, MinimumHeight, largest())));
    else
        size.setWidth(scale_.toPixels(std::clamp(twips, MinimumWidth, largest())));
    setNormalOuterSize(size);
}

void frmExplore::setNormalOuterSize(QSize outer)
{
    QWidget *w = window();
    if (!w)
        return;
    // A size beyond the screen's free area would put the status bar or the
    // close box out of reach.
    const QRect free = w->screen() ? w->screen()->availableGeometry() : QRect();
    if (free.isValid())
        outer = outer.boundedTo(free.size());

    if (w->windowState() & NotNormal) {
        // Resizing now would take the window out of its state; it gets the
        // size when the user restores it.
        pendingNormal_ = outer;
        lastOuterSize_ = outer;
        return;
    }
    pendingNormal_.reset();
    const QSize extra = frameExtra(w);
    w->resize(outer - extra);

    // Kept whole on the free area: moved up or left just as far as needed.
    if (free.isValid()) {
        QRect frame(w->frameGeometry().topLeft(), outer);
        const QPoint shift(std::min(0, free.right() - frame.right()),
                           std::min(0, free.bottom() - frame.bottom()));
        if (!shift.isNull()) {
            frame.translate(shift);
            w->move(std::max(frame.left(), free.left()), std::max(frame.top(), free.top()));
        }
    }
    lastOuterSize_ = outer;
}

} // namespace tarnwick
