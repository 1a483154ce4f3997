#pragma once

#include <QString>
#include <QTextDocument>

// Names, paths and system messages where Qt would read markup into them.
namespace tarnwick {

// A tool tip that shows `text` exactly. Qt takes a tip for rich text when
// Qt::mightBeRichText() says so, then renders its tags and loads its
// pictures: a file named "<img src=file:%2Fdev%2Fzero>" would read the device
// for ever. Such a text goes as rich text with every character escaped,
// spaces and line breaks kept; any other goes unchanged.
inline QString plainToolTip(const QString &text)
{
    if (!Qt::mightBeRichText(text))
        return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

// A window title that shows `text` exactly: Qt takes "[*]" in a title for
// the place of its modified mark and leaves it out, but shows "[*][*]" as
// "[*]".
inline QString plainWindowTitle(QString text)
{
    return text.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
}

} // namespace tarnwick
