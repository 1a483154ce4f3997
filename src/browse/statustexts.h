#pragma once

#include <QString>

namespace tarnwick {

// The caption over the file list: what it shows.
// isNameSpace and nameSpace as the tree reports them; folder its path.
QString listCaption(int isNameSpace, int nameSpace, const QString &folder);

// The status bar's text for `count` selected list items.
QString selectionStatus(qint64 count);

} // namespace tarnwick
