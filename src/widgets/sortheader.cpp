#include "sortheader.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>

namespace tarnwick {

SortHeader::SortHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
{
    // As a tree view sets up the header it makes itself.
    setSectionsMovable(true);
    setStretchLastSection(true);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SortHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    initStyleOptionForIndex(&opt, logicalIndex);
    opt.rect = rect;
    const QStyleOptionHeader::SortIndicator arrow = opt.sortIndicator;
    opt.sortIndicator = QStyleOptionHeader::None;
    // Saved and restored: a style may leave the painter clipped to nothing.
    painter->save();
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
    painter->restore();
    if (arrow == QStyleOptionHeader::None)
        return;

    // Just past the caption, on the side its alignment leaves free, and
    // never beyond the section.
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &opt, this);
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, &opt, this);
    const int side = std::max(7, style()->pixelMetric(QStyle::PM_HeaderMarkSize, &opt, this));
    const int text = std::min(opt.fontMetrics.horizontalAdvance(opt.text), label.width());
    int x = (opt.textAlignment & Qt::AlignRight) ? label.right() - text - margin - side
                                                 : label.left() + text + margin;
    x = std::clamp(x, rect.left(), std::max(rect.left(), rect.right() - side));
    // The plain arrow: the header's own arrow is drawn only where the style
    // places it.
    QStyleOption mark;
    mark.initFrom(this);
    mark.rect = QRect(x, rect.top() + (rect.height() - side) / 2, side, side);
    style()->drawPrimitive(arrow == QStyleOptionHeader::SortUp ? QStyle::PE_IndicatorArrowUp
                                                               : QStyle::PE_IndicatorArrowDown,
                           &mark, painter, this);
}

} // namespace tarnwick
