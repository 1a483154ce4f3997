// The .trashinfo reader: any bytes as an info file, read as one of the home
// trash and as one at the top of two volumes. Whatever it accepts must name a
// place that restoring may use: an absolute path without ".", ".." or empty
// components. A relative Path is read against the volume's top and must stay
// inside it; the home trash takes absolute paths only.
#include "rawpaths.h"
#include "trash.h"

#include <cstdint>
#include <cstdlib>
#include <optional>

using namespace tarnwick;

namespace {

std::optional<QByteArray> read(const QByteArray &text, const QByteArray &top)
{
    const auto info = parseTrashInfo(text, top);
    if (!info)
        return std::nullopt;
    const QByteArray &p = info->path;
    if (!p.startsWith('/') || p == "/" || p.contains('\0') || rawpath::cleanPath(p) != p)
        std::abort();
    return p;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray usb = "/media/usb", other = "/mnt/other";
    const auto home = read(text, {});
    const auto onUsb = read(text, usb);
    const auto onOther = read(text, other);
    // The top decides whether a file is read, never the other way round.
    if (onUsb.has_value() != onOther.has_value() || (home && !onUsb))
        std::abort();
    if (!onUsb)
        return 0;
    if (*onUsb == *onOther) {
        // Recorded as an absolute path: the same in every trash.
        if (!home || *home != *onUsb)
            std::abort();
    } else if (home || !rawpath::isAtOrUnder(*onUsb, usb) || *onUsb == usb ||
               !rawpath::isAtOrUnder(*onOther, other) || *onOther == other) {
        // Recorded relative: inside its volume, and never in the home trash.
        std::abort();
    }
    return 0;
}
