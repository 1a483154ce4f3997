// The file-type filter box: whatever it holds is the list's pattern.
#include "frmexplore.h"

namespace tarnwick {

void frmExplore::cboFilter_Change()
{
    CcXploreListView1->setPattern(cboFilter->currentText());
}

void frmExplore::cboFilter_Click()
{
    CcXploreListView1->setPattern(cboFilter->currentText());
}

} // namespace tarnwick
