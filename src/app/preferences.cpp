#include "preferences.h"

#include "settingsstore.h"
#include "usermessages.h"

#include <QStringList>
#include <array>
#include <cmath>

namespace tarnwick {
namespace {

bool anyText(const QString &)
{
    return true;
}

bool viewNumber(const QString &v)
{
    return v.size() == 1 && v[0] >= QLatin1Char('0') && v[0] <= QLatin1Char('3');
}

bool viewButtonKey(const QString &v)
{
    static const QStringList keys{QStringLiteral("LargeIcon"), QStringLiteral("SmallIcon"),
                                  QStringLiteral("List"), QStringLiteral("Details")};
    return keys.contains(v);
}

bool switchText(const QString &v)
{
    return v == QLatin1String("1") || v == QLatin1String("0");
}

bool twipsLength(const QString &v)
{
    bool ok = false;
    const float f = v.trimmed().toFloat(&ok);
    return ok && std::isfinite(f) && f > 0;
}

bool wholeNumberIn(const QString &v, int low, int high)
{
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok && v == QString::number(n) && n >= low && n <= high;
}

bool iconSide(const QString &v)
{
    return wholeNumberIn(v, 48, 256);
}

bool megabytes(const QString &v)
{
    return wholeNumberIn(v, 0, 1 << 20);
}

constexpr int KeyCount = int(Pref::Toolbar2Buttons) + 1;

const std::array<PrefKey, KeyCount> &table()
{
    static const std::array<PrefKey, KeyCount> keys = {{
        {Pref::View, "view", "1", viewNumber},
        {Pref::Button, "button", "Details", viewButtonKey},
        {Pref::Toolbar, "toolbar", "small", anyText},
        {Pref::HiddenFiles, "HiddenFiles", "1", switchText},
        {Pref::Rename, "Rename", "1", switchText},
        {Pref::SystemFiles, "SystemFiles", "1", switchText},
        {Pref(int(Pref::Filter1) + 0), "filter1", "", anyText},
        {Pref(int(Pref::Filter1) + 1), "filter2", "", anyText},
        {Pref(int(Pref::Filter1) + 2), "filter3", "", anyText},
        {Pref(int(Pref::Filter1) + 3), "filter4", "", anyText},
        {Pref(int(Pref::Filter1) + 4), "filter5", "", anyText},
        {Pref(int(Pref::Filter1) + 5), "filter6", "", anyText},
        {Pref(int(Pref::Filter1) + 6), "filter7", "", anyText},
        {Pref(int(Pref::Filter1) + 7), "filter8", "", anyText},
        {Pref(int(Pref::Filter1) + 8), "filter9", "", anyText},
        {Pref(int(Pref::Filter1) + 9), "filter10", "", anyText},
        {Pref(int(Pref::Filter1) + 10), "filter11", "", anyText},
        {Pref::Filter12, "filter12", "", anyText},
        {Pref::Height, "Height", "15000", twipsLength},
        {Pref::Width, "Width", "20000", twipsLength},
        {Pref::IconSize, "IconSize", "48", iconSide},
        {Pref::ThumbnailsOnNetwork, "ThumbnailsOnNetwork", "0", switchText},
        {Pref::ThumbnailMaxMb, "ThumbnailMaxMB", "50", megabytes},
        {Pref::Toolbar1Buttons, "Toolbar1Buttons", "*", anyText},
        {Pref::Toolbar2Buttons, "Toolbar2Buttons", "*", anyText},
    }};
    return keys;
}

} // namespace

const QString Preferences::Section = QStringLiteral("Settings");

const PrefKey &prefKey(Pref pref)
{
    return table()[size_t(pref)];
}

Pref filterPref(int i)
{
    Q_ASSERT(i >= 1 && i <= CustomFilterCount);
    return Pref(int(Pref::Filter1) + i - 1);
}

QString Preferences::read(Pref pref) const
{
    const PrefKey &k = prefKey(pref);
    const QString fallback = QString::fromLatin1(k.fallback);
    const QString value = store_.read(Section, QString::fromLatin1(k.name), fallback);
    return k.acceptable(value) ? value : fallback;
}

QString Preferences::readStored(Pref pref) const
{
    const PrefKey &k = prefKey(pref);
    return store_.read(Section, QString::fromLatin1(k.name), QString::fromLatin1(k.fallback));
}

bool Preferences::write(Pref pref, const QString &value)
{
    return store_.write(Section, QString::fromLatin1(prefKey(pref).name), value);
}

std::function<void(const QString &)> reportFirstFailureInBox(UserMessages &messages)
{
    return [&messages, shown = false](const QString &message) mutable {
        if (shown) {
            qWarning("%s", qUtf8Printable(message));
            return;
        }
        shown = true;
        messages.error(nullptr, message);
    };
}

} // namespace tarnwick
