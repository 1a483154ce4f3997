#include "explorerlistview.h"
#include "explorertreeview.h"
#include "frmexplore.h"
#include "panels.h"

#include <QComboBox>

namespace tarnwick {

namespace {
constexpr float FilterCaptionOffset = 1500;
constexpr float FilterBoxOffset = 1000;
constexpr float FilterCaptionWidth = 495;
constexpr float BottomMargin = 50;
constexpr float ListCaptionShortfall = 1035;
// The address box runs under the "Filter" caption by this much, so that no
// part of the list caption below shows between them.
constexpr float AddressBoxOverlap = 25;
} // namespace

void frmExplore::Form_Resize()
{
    const QWidget *w = window();
    if (!w || w->isMinimized())
        return;
    SizeControls();
}

// Every step stands on its own: a size a control refuses leaves that control
// as it was, and the next step runs.
void frmExplore::SizeControls()
{
    if (!isLoaded())
        return;
    auto &tree = CcXploreTreeView1;
    auto &list = CcXploreListView1;

    tree->setRedraw(false);
    list->setRedraw(false);

    const float T = picToolbar1.Visible() ? picToolbar1.Height() : 0;
    const float H = txtStatus1.Height();

    txtStatus1.setTop(T);
    txtStatus2.setTop(T);
    cboFilter.setTop(T);
    Text1.setTop(T);
    // Words longer than "Filter" (in another language) widen the caption
    // to its left, the filter box keeping its place; "Filter" itself fits
    // the design's width.
    const QMargins margins = Text1->textMargins();
    // The words' ink after the margins and the 2 pixels a line edit keeps
    // before its text.
    const float captionWords =
        scale_.toTwips(Text1->fontMetrics().tightBoundingRect(Text1->text()).width() +
                       margins.left() + margins.right() + 2);
    const float captionGrowth = std::max(0.0f, captionWords - FilterCaptionWidth);
    Text1.setLeft(ScaleWidth() - FilterCaptionOffset - captionGrowth);
    Text1.setWidth(FilterCaptionWidth + captionGrowth);
    cboFilter.setLeft(ScaleWidth() - FilterBoxOffset);
    CcXploreCombo1.setTop(T);
    picSplitter.setLeft(0);
    picSplitter.setTop(T + H);
    picSplitter.setWidth(ScaleWidth());
    tree.setTop(T + H);
    list.setTop(T + H);
    list.setLeft(tree.Width() + PaneGap);

    float B = 0;
    if (picToolbar1.Visible())
        B = picToolbar1.Height();
    if (StatusBar1.Visible())
        B += StatusBar1.Height();

    picSplitter.setHeight(ScaleHeight() - B - BottomMargin - H);
    tree.setHeight(picSplitter.Height());
    list.setHeight(picSplitter.Height());
    const float listWidth = picSplitter.Width() - tree.Width() - PaneGap;
    if (listWidth > 0)
        list.setWidth(listWidth);
    txtStatus2.setWidth(list.Width() - ListCaptionShortfall);
    // Ending at the caption rather than at the list's width plus 500: that
    // rule, right at the starting splitter position, falls short of the
    // caption once the tree is wider and lets the list caption show.
    CcXploreCombo1.setWidth(Text1.Left() + AddressBoxOverlap - CcXploreCombo1.Left());
    // Right to left, every control mirrors by the window's width, so those
    // not moved above are placed again too.
    if (QWidget *client = picSplitter->parentWidget())
        placeChildrenByDirection(client);

    placeSplitterGrip();

    list->setRedraw(true);
    tree->setRedraw(true);
}

} // namespace tarnwick
