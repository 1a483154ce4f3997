// The list's selection by row number: read as merged, sorted ranges of
// rows, kept until the selection changes.
#include "explorerlistview.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <algorithm>
#include <climits>

namespace tarnwick {

const std::vector<std::pair<int, int>> &ExplorerListView::selectedRanges() const
{
    if (!selectionDirty_)
        return selectedRanges_;
    selectedRanges_.clear();
    // A row counts as selected by its name column, the one every view draws.
    for (const QItemSelectionRange &r : selectionModel()->selection()) {
        if (r.isValid() && r.left() == 0)
            selectedRanges_.emplace_back(r.top(), r.bottom());
    }
    std::sort(selectedRanges_.begin(), selectedRanges_.end());
    // Ranges of different columns may overlap: merge them.
    std::vector<std::pair<int, int>> merged;
    for (const auto &r : selectedRanges_) {
        if (!merged.empty() && r.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, r.second);
        else
            merged.push_back(r);
    }
    selectedRanges_ = std::move(merged);
    selectionDirty_ = false;
    return selectedRanges_;
}

bool ExplorerListView::Selected(int index) const
{
    const auto &ranges = selectedRanges();
    const auto it = std::upper_bound(ranges.begin(), ranges.end(), std::pair(index, INT_MAX));
    return it != ranges.begin() && std::prev(it)->second >= index;
}

void ExplorerListView::setSelected(int index, bool on)
{
    QAbstractItemModel *m = activeModel();
    if (index < 0 || index >= m->rowCount())
        return;
    const QItemSelection row(m->index(index, 0), m->index(index, m->columnCount() - 1));
    selectionModel()->select(row, on ? QItemSelectionModel::Select : QItemSelectionModel::Deselect);
}

void ExplorerListView::invertSelection()
{
    QAbstractItemModel *m = activeModel();
    const int rows = m->rowCount();
    const int lastColumn = m->columnCount() - 1;
    if (rows == 0)
        return;
    // The gaps between the selected ranges, as whole rows: one selection
    // change however many items there are.
    QItemSelection inverted;
    int next = 0;
    for (const auto &[top, bottom] : selectedRanges()) {
        if (top > next)
            inverted.append(QItemSelectionRange(m->index(next, 0), m->index(top - 1, lastColumn)));
        next = bottom + 1;
    }
    if (next < rows)
        inverted.append(QItemSelectionRange(m->index(next, 0), m->index(rows - 1, lastColumn)));
    selectionModel()->select(inverted, QItemSelectionModel::ClearAndSelect);
}

} // namespace tarnwick
