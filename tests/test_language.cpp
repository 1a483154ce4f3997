// The language the program speaks: chosen from the user's list, Qt's own
// texts with it, and the whole tree's texts reaching the translation.
#include "language.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

using namespace tarnwick;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { language::use({}); }

    // en_XA is built from the sources every time, so it always has every
    // text: the rows need no finished translation.
    void choosesFirstSpoken_data()
    {
        QTest::addColumn<QStringList>("wanted");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("only") << QStringList{"en_XA"} << "en_XA";
        QTest::newRow("as QLocale writes it") << QStringList{"en-XA"} << "en_XA";
        QTest::newRow("unknown passed over") << QStringList{"xx", "xx-YY", "en_XA"} << "en_XA";
        // English is the sources' language: wanted first, it ends the search.
        QTest::newRow("English first") << QStringList{"en-US", "en_XA"} << QString();
        QTest::newRow("plain English first") << QStringList{"en", "en_XA"} << QString();
        QTest::newRow("C alone") << QStringList{"C"} << QString();
        // Qt's stand-in for a language it does not know.
        QTest::newRow("C passed over") << QStringList{"C", "en_XA"} << "en_XA";
        QTest::newRow("none") << QStringList{} << QString();
    }
    void choosesFirstSpoken()
    {
        QFETCH(QStringList, wanted);
        QFETCH(QString, chosen);
        QCOMPARE(language::use(wanted), chosen);
        const QString file = QCoreApplication::translate("Menus", "&File");
        QCOMPARE(file.startsWith(QLatin1Char('[')), !chosen.isEmpty());
    }

    // A second choice replaces the first rather than stacking on it.
    void choosingAgainTakesBack()
    {
        QCOMPARE(language::use({"en_XA"}), QStringLiteral("en_XA"));
        QCOMPARE(language::use({"en"}), QString());
        QCOMPARE(QCoreApplication::translate("Menus", "&File"), QStringLiteral("&File"));
    }

    // The real program reads LANGUAGE as a list, most wanted first.
    void programFollowsLanguageList_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("translated");
        QTest::newRow("made-up first") << "en_XA:en" << true;
        QTest::newRow("English first") << "en:en_XA" << false;
        QTest::newRow("unknown, then made-up") << "xx:en_XA" << true;
    }
    void programFollowsLanguageList()
    {
        QFETCH(QString, language);
        QFETCH(bool, translated);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANGUAGE", language);
        env.insert("LANG", "C.UTF-8");
        env.remove("LC_ALL");
        env.remove("LC_MESSAGES");
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(TARNWICK_EXE), {"--help"});
        QVERIFY(p.waitForFinished(20000));
        const QString help = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(help.contains("--select"), qPrintable(help)); // options keep their names
        QCOMPARE(help.contains(QStringLiteral("Browse and manage files")), !translated);
        QCOMPARE(help.contains(QStringLiteral("~]")), translated);
    }
};

QTEST_GUILESS_MAIN(TestLanguage)
#include "test_language.moc"
