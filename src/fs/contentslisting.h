#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <vector>

namespace tarnwick {

// The plain-text listing of a folder that Print puts on paper: a heading, a
// blank line, then a line per item with a folder marker, the name in a fixed
// width, the size in KiB and the modification time.
namespace listing {

// Where an item's name begins in its full path, counted from 1: past the
// folder and its separator ("/" itself ends in one). 0 when the folder has
// no path: no item can be cut then.
int cutPosition(const QString &folder);

struct Marker
{
    const char *text; // ";;;", "|||" or ""
    int width;        // of the name field
    int run;          // spaces added to the path before it is cut
};
// By the whole attribute value, in the order 16, 17, 18, 22.
Marker markerFor(std::uint32_t attributes);

// The path from `cut` on, padded with spaces and cut to `width` characters;
// with no cut position, the whole path and the whole run of spaces.
QString nameField(const QString &path, int cut, const Marker &marker);

// KiB, rounded up: 1 to 1024 bytes give 1, nothing gives 0.
QString sizeText(qint64 bytes);

// The locale's short date and short time, or the date alone at exactly
// midnight. Formats each day and each time of day once.
class TimeText
{
public:
    explicit TimeText(const QLocale &locale = QLocale::system());
    QString operator()(qint64 secondsSinceEpoch);

private:
    QLocale locale_;
    bool timeHasSeconds_;
    QHash<qint64, QString> days_;
    QHash<int, QString> times_;
};

struct Result
{
    QString text;           // the lines, "\n" between them, as the user reads them
    QByteArray file;        // the same lines as bytes, names as on disk, CRLF ends
    QList<int> markedLines; // the lines, from 0, that begin with a marker
    bool cutFailed = false; // no cut position: the names are whole paths
    int items = 0;          // lines written for items
    int skipped = 0;        // items whose length or time could not be read
};

// Reads each item's attributes, length and time now, in the order given.
// Control characters in the paths are written as the list shows them
// ("new\nline"), so that no name can break its line.
Result build(const QString &folder, const QList<QString> &itemPaths,
             const QLocale &locale = QLocale::system());

// Puts `bytes` in place as `name` in the folder `dir` (the working folder
// when empty): written under a temporary name beside it and renamed over
// whatever is there, so a link at that name is replaced, never followed, and
// nothing outside the folder changes. A folder at that name is left alone.
// 0 or an errno.
int replaceFile(const QByteArray &dir, const QByteArray &name, const QByteArray &bytes);

} // namespace listing
} // namespace tarnwick
