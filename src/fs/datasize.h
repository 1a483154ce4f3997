#pragma once

#include <QCoreApplication>
#include <QLocale>
#include <QString>

namespace tarnwick {

// An amount of data as every part of the program shows it: binary multiples
// under their own names ("1.5 KiB", "2.0 GiB"), in the locale's digits and
// separators. The printed listing's fixed "kb" column is not this.
inline QString dataSizeText(qint64 bytes, const QLocale &locale = QLocale())
{
    // Qt writes every count under a kibibyte as "%1 bytes", "1 bytes" too.
    if (bytes == 1 && locale == QLocale())
        return QCoreApplication::translate("tarnwick::DataSize", "1 byte");
    if (bytes >= 0 && bytes < 1024 && locale == QLocale())
        return QCoreApplication::translate("tarnwick::DataSize", "%Ln bytes", nullptr, int(bytes));
    return locale.formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat);
}

} // namespace tarnwick
