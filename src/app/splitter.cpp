#include "explorerlistview.h"
#include "explorertreeview.h"
#include "frmexplore.h"
#include "panels.h"

#include <algorithm>

namespace tarnwick {

void frmExplore::picSplitter_MouseDown(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    splitterDragging = true;
}

void frmExplore::picSplitter_MouseUp(Qt::MouseButtons, Qt::KeyboardModifiers, float, float)
{
    splitterDragging = false;
}

void frmExplore::picSplitter_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float)
{
    picSplitter->setCursor(Qt::SplitHCursor);
    if (!splitterDragging)
        return;
    const float panelWidth = picSplitter.Width();
    // Right to left the tree stands at the right: its width is measured
    // from that edge.
    if (picSplitter->layoutDirection() == Qt::RightToLeft)
        x = panelWidth - x;
    if (x <= 0) {
        CcXploreTreeView1.setWidth(1);
        placeSplitterGrip();
        return;
    }
    if (x >= panelWidth) {
        CcXploreTreeView1.setWidth(panelWidth - PaneGap);
        placeSplitterGrip();
        return;
    }
    CcXploreTreeView1.setWidth(x);
    CcXploreListView1.setLeft(x + PaneGap);
    // Within the last 40 twips the list would get a negative width: it
    // closes to nothing instead.
    CcXploreListView1.setWidth(std::max(panelWidth - x - PaneGap, 0.0f));
    txtStatus1.setWidth(x);
    txtStatus2.setWidth(CcXploreListView1.Width());
    txtStatus2.setLeft(CcXploreListView1.Left());
    placeSplitterGrip();
}

void frmExplore::placeSplitterGrip()
{
    constexpr int Reach = 3; // pixels either side of the strip
    if (!splitterGrip_)
        return;
    const int start = scale_.toPixels(CcXploreTreeView1.Width());
    const int end = scale_.toPixels(CcXploreTreeView1.Width() + PaneGap);
    const QRect panel = picSplitter->geometry();
    placeByDirection(splitterGrip_,
                     QRect(start - Reach, panel.top(), end - start + 2 * Reach, panel.height()));
}

} // namespace tarnwick
