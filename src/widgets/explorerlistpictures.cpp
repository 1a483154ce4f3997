// The file list's pictures: the size of Large Icons, and thumbnails of the
// files in sight.
#include "explorerlistview.h"

#include "foldermodel.h"
#include "thumbnails.h"

#include <QKeyEvent>
#include <QListView>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <array>

namespace tarnwick {
namespace {

constexpr std::array<int, 8> Sides{48, 64, 80, 96, 128, 160, 192, 256};

} // namespace

int ExplorerListView::LargeIconSide() const
{
    return iconSide_ > 0 ? iconSide_ : largeIconSide();
}

void ExplorerListView::setLargeIconSide(int side)
{
    side = std::clamp(side, Sides.front(), Sides.back());
    if (side == LargeIconSide() && iconSide_ != 0)
        return;
    iconSide_ = side;
    if (view_ == LargeIcons)
        setView(LargeIcons);
}

void ExplorerListView::setThumbnailPolicy(const ThumbnailPolicy &policy)
{
    thumbs_->setPolicy(policy);
    thumbs_->clear();
    model_->setThumbnails(nullptr);
    if (view_ == LargeIcons) {
        model_->setThumbnails(thumbs_);
        thumbsWanted_->start();
    }
}

void ExplorerListView::zoomIcons(int steps)
{
    const int now = LargeIconSide();
    // The next size of the scale in the direction asked, from wherever the
    // size is now.
    int next = now;
    if (steps > 0) {
        const auto up = std::upper_bound(Sides.begin(), Sides.end(), now);
        next = up == Sides.end() ? Sides.back() : *up;
    } else if (steps < 0) {
        const auto down = std::lower_bound(Sides.begin(), Sides.end(), now);
        next = down == Sides.begin() ? Sides.front() : *std::prev(down);
    }
    if (next == now)
        return;
    setLargeIconSide(next);
    emit largeIconSideChanged(next);
}

bool ExplorerListView::zoomEvent(QObject *watched, QEvent *event)
{
    if (watched == icons_->viewport() && event->type() == QEvent::Resize) {
        thumbsWanted_->start();
        return false;
    }
    if (view_ != LargeIcons)
        return false;
    if (watched == icons_->viewport() && event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (!(wheel->modifiers() & Qt::ControlModifier) || wheel->angleDelta().y() == 0)
            return false;
        zoomIcons(wheel->angleDelta().y() > 0 ? 1 : -1);
        return true;
    }
    if (watched == icons_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & Qt::ControlModifier))
            return false;
        if (key->key() == Qt::Key_Plus || key->key() == Qt::Key_Equal)
            zoomIcons(1);
        else if (key->key() == Qt::Key_Minus)
            zoomIcons(-1);
        else
            return false;
        return true;
    }
    return false;
}

void ExplorerListView::askForThumbnails()
{
    if (view_ != LargeIcons || !location_.isFolder() || model_->rowCount() == 0)
        return;
    // Items sit on a grid of equal cells, left to right: the first in
    // sight gives the rest.
    const QSize cell = icons_->gridSize();
    const QRect seen = icons_->viewport()->rect();
    if (cell.isEmpty() || seen.isEmpty())
        return;
    int first = -1;
    for (int y = 1; y < std::min(seen.height(), cell.height() + 2) && first < 0; y += 8)
        for (int x = cell.width() / 2; x < seen.width() && first < 0; x += cell.width())
            if (const QModelIndex at = icons_->indexAt(QPoint(x, y)); at.isValid())
                first = at.row();
    if (first < 0)
        first = 0;
    const int columns = std::max(1, seen.width() / cell.width());
    const int onScreen = columns * (seen.height() / cell.height() + 2);
    // Those in sight first, then a screen below.
    model_->wantThumbnails(first, first + 2 * onScreen);
}

} // namespace tarnwick
