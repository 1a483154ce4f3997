// The language the program speaks: its own translation and Qt's, chosen
// from the user's locale.
#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tarnwick::language {

namespace {

// Marks, for translators, the text Qt asks for to lay out the window:
// "RTL" in a language written from right to left, "LTR" in any other.
[[maybe_unused]] const char *const LayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

QTranslator *ownTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

void takeBack(QTranslator *&translator)
{
    if (!translator)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

} // namespace

QString use(const QStringList &uiLanguages)
{
    takeBack(ownTranslator);
    takeBack(qtTranslator);
    for (QString name : uiLanguages) {
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        // Qt puts "C" where LANGUAGE names a language it does not know:
        // the next one is asked, as gettext does.
        if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
            continue;
        if (name == QLatin1String("en") ||
            (name.startsWith(QLatin1String("en_")) && !name.startsWith(QLatin1String("en_XA"))))
            return QString();
        auto own = std::make_unique<QTranslator>();
        // load() tries "de_Latn_DE", then "de_Latn", then "de".
        if (!own->load(QStringLiteral("tarnwick_") + name, QStringLiteral(":/i18n")))
            continue;
        const QString chosen = own->language();
        // Qt's own texts are installed first, so the program's come first
        // wherever both have the same one (the layout direction above all).
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qtTranslator = qt.release();
            QCoreApplication::installTranslator(qtTranslator);
        }
        ownTranslator = own.release();
        QCoreApplication::installTranslator(ownTranslator);
        return chosen.isEmpty() ? name : chosen;
    }
    return QString();
}

QString useSystemLanguage()
{
    return use(QLocale::system().uiLanguages());
}

} // namespace tarnwick::language
