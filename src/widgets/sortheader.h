#pragma once

#include <QHeaderView>

namespace tarnwick {

// A column header that draws the sort arrow beside its column's caption.
// Styles put it at the section's far end, which for a stretched last column
// is the window's edge, well away from the column it names.
class SortHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit SortHeader(QWidget *parent = nullptr);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
};

} // namespace tarnwick
