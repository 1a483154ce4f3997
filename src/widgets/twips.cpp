#include "twips.h"

#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QVariant>
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
    QWidget *w = widget();
    if (!w)
        return;
    QRect r = rect_.toPixels(*scale_);
    // A button's words can be longer in another language than its design
    // width: it grows toward its trailing edge rather than cut them. The
    // English words fit, so their layout stays the design's.
    if (const auto *button = qobject_cast<const QPushButton *>(w)) {
        QString shown = button->text();
        shown.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
        const int needed = button->fontMetrics().tightBoundingRect(shown).width() +
                           2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        r.setWidth(std::max(r.width(), needed));
    }
    placeByDirection(w, r);
}

namespace {
// Where a widget stands in a left-to-right window, kept for placing it
// again when its parent's width or direction changes.
constexpr const char *DesignGeometry = "tarnwickDesignGeometry";
} // namespace

void placeByDirection(QWidget *w, const QRect &design)
{
    w->setProperty(DesignGeometry, design);
    const QWidget *parent = w->parentWidget();
    if (!parent || parent->layoutDirection() == Qt::LeftToRight) {
        w->setGeometry(design);
        return;
    }
    w->setGeometry(QStyle::visualRect(Qt::RightToLeft, parent->rect(), design));
}

void placeChildrenByDirection(QWidget *parent)
{
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant design = child->property(DesignGeometry);
        if (design.isValid())
            placeByDirection(child, design.toRect());
    }
}

} // namespace tarnwick
