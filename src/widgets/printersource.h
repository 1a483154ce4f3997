#pragma once

#include "shellitems.h"

namespace tarnwick::ShellSources {

// The printers the print system knows. Its client lives in the printing
// module, above the models, so this source is the widgets' own.
ShellItemsModel::Source printers();

} // namespace tarnwick::ShellSources
