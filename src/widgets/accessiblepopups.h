#pragma once

namespace tarnwick {

// Makes every open popup menu a child of the application's accessible
// object, beside its windows, so that a screen reader finds a context menu
// as it finds the menu bar's menus. Call once the application exists; later
// calls do nothing.
void announcePopupMenus();

} // namespace tarnwick
