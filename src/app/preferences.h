#pragma once

#include <QString>
#include <functional>

namespace tarnwick {

class SettingsStore;
class UserMessages;

// Every preference key, declared once with its default; every read and write
// of the settings goes through this table.
enum class Pref
{
    View,
    Button,
    Toolbar,
    HiddenFiles,
    Rename,
    SystemFiles,
    Filter1, // Filter1 + i - 1 is "filter<i>", i = 1..12
    Filter12 = Filter1 + 11,
    Height,
    Width,
    IconSize,            // the side of Large Icons' pictures, 48 to 256
    ThumbnailsOnNetwork, // pictures of files on network mounts too
    ThumbnailMaxMb,      // pictures larger than this get no thumbnail
    Toolbar1Buttons,     // a customised arrangement of each toolbar, "*" for the
    Toolbar2Buttons,     // design's (see Toolbar::arrangementText)
};

constexpr int CustomFilterCount = 12;

struct PrefKey
{
    Pref pref;
    const char *name;
    const char *fallback;
    // A stored value the program itself could have written; anything else
    // reads as the default.
    bool (*acceptable)(const QString &value);
};

const PrefKey &prefKey(Pref pref);
Pref filterPref(int i); // i = 1..12

// The preferences of the program: section "Settings" of the per-user store.
class Preferences
{
public:
    static const QString Section;

    explicit Preferences(SettingsStore &store) : store_(store) {}

    // The stored text, or the key's default when it is absent or is not a
    // value the program writes.
    QString read(Pref pref) const;
    // The stored text as it is, or the key's default when it is absent.
    QString readStored(Pref pref) const;
    bool write(Pref pref, const QString &value);

    SettingsStore &store() const { return store_; }

private:
    SettingsStore &store_;
};

// Tells the user of the first failed settings write of a run in a message box
// and of later ones only on standard error: the writers go on without the
// result, and a box at every click would stand between the user and the
// window.
std::function<void(const QString &message)> reportFirstFailureInBox(UserMessages &messages);

} // namespace tarnwick
