#include "twips.h"

#include <QScreen>
#include <cmath>

namespace tarnwick {

TwipsScale TwipsScale::forScreenDpi(qreal logicalDpi)
{
    if (!(logicalDpi > 0))
        return TwipsScale();
    return TwipsScale(TwipsPerInch / float(logicalDpi));
}

TwipsScale TwipsScale::forWidget(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : nullptr;
    return screen ? forScreenDpi(screen->logicalDotsPerInch()) : TwipsScale();
}

int TwipsScale::toPixels(float twips) const
{
    return int(std::lround(twips / perPixel_));
}

QRect TwipsRect::toPixels(const TwipsScale &scale) const
{
    const int x = scale.toPixels(left);
    const int y = scale.toPixels(top);
    // Right and bottom edges are rounded on their own so that neighbours that
    // meet in twips also meet in pixels.
    const int w = scale.toPixels(left + width) - x;
    const int h = scale.toPixels(top + height) - y;
    return QRect(x, y, std::max(w, 0), std::max(h, 0));
}

bool TwipsControlBase::setLeft(float v)
{
    if (!std::isfinite(v))
        return false;
    rect_.left = v;
    apply();
    return true;
}

bool TwipsControlBase::setTop(float v)
{
    if (!std::isfinite(v))
        return false;
    rect_.top = v;
    apply();
    return true;
}

bool TwipsControlBase::setWidth(float v)
{
    if (!(v >= 0) || !std::isfinite(v))
        return false;
    rect_.width = v;
    apply();
    return true;
}

bool TwipsControlBase::setHeight(float v)
{
    if (!(v >= 0) || !std::isfinite(v))
        return false;
    rect_.height = v;
    apply();
    return true;
}

bool TwipsControlBase::move(float left, float top, float width, float height)
{
    if (!(width >= 0) || !(height >= 0) || !std::isfinite(left) || !std::isfinite(top) ||
        !std::isfinite(width) || !std::isfinite(height))
        return false;
    rect_ = {left, top, width, height};
    apply();
    return true;
}

bool TwipsControlBase::Visible() const
{
    const QWidget *w = widget();
    return w && !w->isHidden();
}

void TwipsControlBase::setVisible(bool on)
{
    if (QWidget *w = widget())
        w->setVisible(on);
}

void TwipsControlBase::apply() const
{
    if (QWidget *w = widget())
        w->setGeometry(rect_.toPixels(*scale_));
}

} // namespace tarnwick
