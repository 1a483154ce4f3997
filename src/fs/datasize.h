#pragma once

#include <QLocale>
#include <QString>

namespace tarnwick {

// An amount of data as every part of the program shows it: binary multiples
// under their own names ("1.5 KiB", "2.0 GiB"), in the locale's digits and
// separators. The printed listing's fixed "kb" column is not this.
inline QString dataSizeText(qint64 bytes, const QLocale &locale = QLocale())
{
    return locale.formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

} // namespace tarnwick
