#pragma once

#include "location.h"

#include <QIcon>

namespace tarnwick {

// Icons from the desktop's theme, with pictures drawn here where the theme
// has none, so that no item is ever shown blank.
namespace Icons {
// Without a desktop platform theme Qt looks only in "hicolor"; fall back to
// a full theme so that file types and toolbar pictures are found.
void useDesktopTheme();
QIcon folder();
QIcon file();
QIcon symlink();
// The picture of a special place (a NameSpace number).
QIcon place(NameSpace nameSpace);
// The theme's name for a special place's picture.
QString placeIconName(NameSpace nameSpace);
// A theme icon by name, or the drawn fallback of the given kind.
QIcon themed(const QString &name, const QIcon &fallback);
// `base` with `emblem` over its lower left quarter, drawn at whatever size
// and pixel ratio it is asked for.
QIcon withEmblem(const QIcon &base, const QIcon &emblem);
// The shape of a theme's icon drawn in the text colour of the palette, dark
// when enabled and faint when disabled, as the desktop's toolkits draw their
// one-colour icons; `fallback` where the theme has none.
QIcon inTextColour(const QString &name, const QIcon &fallback);
// `base` as it is, and out of use clearly faded, whatever its colours.
QIcon fadedWhenDisabled(const QIcon &base);
// `base` faded always: something present but not in use, such as a volume
// not mounted.
QIcon dimmed(const QIcon &base);
// The emblems of a link and of a link that leads nowhere.
QIcon linkEmblem();
QIcon brokenLinkEmblem();
} // namespace Icons

} // namespace tarnwick
