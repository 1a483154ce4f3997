#pragma once

#include "foldermodel.h"
#include "nameeditdelegate.h"

#include <QListView>

namespace tarnwick {

// Every item takes the whole of its grid cell. The icon views size all
// items alike from one sample (their last row), so without this a short
// last name cut every other name down to its width.
class GridCellDelegate : public NameEditDelegate
{
public:
    explicit GridCellDelegate(QListView *view)
        : NameEditDelegate(view, FolderModel::IsFolderRole), view_(view)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QSize grid = view_->gridSize();
        if (!grid.isValid())
            return size;
        size.setWidth(grid.width() - 2 * view_->spacing() - 2);
        if (view_->viewMode() == QListView::IconMode)
            size.setHeight(grid.height() - 2 * view_->spacing() - 2);
        return size;
    }

private:
    QListView *view_;
};

} // namespace tarnwick
