#pragma once

#include <QStringList>

namespace tarnwick::language {

// Installs the program's translation and Qt's own (for its standard
// dialogs) for the first of `uiLanguages` (as QLocale::uiLanguages gives
// them, most wanted first) that the program speaks; English, the language
// of the sources, needs none and ends the search. Any earlier choice is
// taken back first. Returns the language chosen ("de", "en_XA"), or "" for
// English.
QString use(const QStringList &uiLanguages);

// use() with the languages of the user's locale: LANGUAGE (a list such as
// "de:en"), then LC_ALL, LC_MESSAGES and LANG.
QString useSystemLanguage();

} // namespace tarnwick::language
