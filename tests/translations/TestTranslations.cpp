// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogs: every text of the sources translated, the language picked from the locale's
// environment as gettext programs pick it, and quintaval-title speaking it end to end.

#include "app/platform/files/TranslationLoader.h"
#include "tests/support/ProgramRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const QStringList localeVariables{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};

struct Catalog
{
    QSet<QString> messages; // context and source
    QStringList untranslated;
};

Catalog readCatalog(const QString& path)
{
    Catalog catalog;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return catalog;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
            catalog.messages.insert(context + QLatin1Char('|') + source);
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            if (!type.isEmpty() || xml.readElementText().isEmpty()) {
                catalog.untranslated << context + QLatin1Char('|') + source + QLatin1String(" (") + type +
                                            QLatin1Char(')');
            }
        } else if (xml.name() != QLatin1String("TS") && xml.name() != QLatin1String("context") &&
                   xml.name() != QLatin1String("message")) {
            xml.skipCurrentElement();
        }
    }
    return catalog;
}

// The environment of a case: "LANG=fr_FR.UTF-8 LANGUAGE=de:fr", every other locale variable unset.
void setLocaleEnvironment(const QString& assignments)
{
    for (const QString& variable : localeVariables) {
        qunsetenv(variable.toLatin1().constData());
    }
    for (const QString& assignment : assignments.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qputenv(assignment.section(QLatin1Char('='), 0, 0).toLatin1().constData(),
                assignment.section(QLatin1Char('='), 1).toUtf8());
    }
}

} // namespace

class TestTranslations final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void catalogHasEverySourceText_data();
    void catalogHasEverySourceText();
    void languageFollowsTheLocale_data();
    void languageFollowsTheLocale();
    void titleSpeaksTheLocale_data();
    void titleSpeaksTheLocale();
};

void TestTranslations::cleanup()
{
    qDeleteAll(qApp->findChildren<QTranslator*>());
}

void TestTranslations::catalogHasEverySourceText_data()
{
    QTest::addColumn<QString>("catalog");
    const QDir folder(QStringLiteral(QUINTAVAL_SOURCE_DIR "/translations"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ts")})) {
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
}

// lupdate run over the sources into a copy of the catalog brings in every text the catalog lacks,
// as unfinished, and drops those the sources no longer have.
void TestTranslations::catalogHasEverySourceText()
{
    QFETCH(QString, catalog);
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(catalog, copy));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(QUINTAVAL_SOURCE_DIR));
    lupdate.start(QStringLiteral(QUINTAVAL_LUPDATE),
                  QStringList{"-silent", "-locations", "none", "-no-obsolete", "-I", QUINTAVAL_SOURCE_DIR} +
                      QStringLiteral(QUINTAVAL_TRANSLATED_SOURCE_DIRS).split(QLatin1Char(',')) +
                      QStringList{"-ts", copy});
    const ProgramRun run = finishRun(lupdate, 60000);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));

    const Catalog committed = readCatalog(catalog);
    const Catalog updated = readCatalog(copy);
    QVERIFY(!committed.messages.isEmpty());
    QVERIFY2(updated.untranslated.isEmpty(),
             qPrintable(QStringLiteral("without a translation (cmake --build build --target update-translations, "
                                       "then translate):\n") +
                        updated.untranslated.join(QLatin1Char('\n'))));
    QVERIFY2(committed.messages == updated.messages,
             qPrintable(QStringLiteral("texts the sources no longer have: ") +
                        QStringList((committed.messages - updated.messages).values()).join(QLatin1Char('\n'))));
}

void TestTranslations::languageFollowsTheLocale_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("ours");   // one of the program's texts
    QTest::addColumn<QString>("qtText"); // one of Qt's own
    const QString english = QStringLiteral("Plant");
    const QString french = QStringLiteral("Plante");
    QTest::newRow("LANG French") << "LANG=fr_FR.UTF-8"
                                 << "fr_FR" << french << "Annuler";
    QTest::newRow("a French without its own catalog") << "LANG=fr_CA.UTF-8"
                                                      << "fr_CA" << french << "Annuler";
    QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=fr_BE.UTF-8 LANG=en_US.UTF-8"
                                             << "fr_BE" << french << "Annuler";
    QTest::newRow("LC_ALL before all") << "LC_ALL=en_US.UTF-8 LC_MESSAGES=fr_FR.UTF-8 LANG=fr_FR.UTF-8"
                                       << "" << english << "Cancel";
    QTest::newRow("LANGUAGE first") << "LANGUAGE=fr LANG=en_US.UTF-8"
                                    << "fr" << french << "Annuler";
    QTest::newRow("LANGUAGE: first with a catalog") << "LANGUAGE=de:fr LANG=de_DE.UTF-8"
                                                    << "fr" << french << "Annuler";
    QTest::newRow("LANGUAGE: English before French") << "LANGUAGE=en_GB:fr LANG=fr_FR.UTF-8"
                                                     << "" << english << "Cancel";
    QTest::newRow("LANGUAGE ignored under C") << "LANGUAGE=fr LC_ALL=C.UTF-8"
                                              << "" << english << "Cancel";
    QTest::newRow("no catalog for the language") << "LANG=de_DE.UTF-8"
                                                 << "" << english << "Cancel";
    QTest::newRow("nothing set") << ""
                                 << "" << english << "Cancel";
}

void TestTranslations::languageFollowsTheLocale()
{
    QFETCH(QString, environment);
    QFETCH(QString, language);
    QFETCH(QString, ours);
    QFETCH(QString, qtText);
    setLocaleEnvironment(environment);
    QCOMPARE(TranslationLoader::install(QStringLiteral(QUINTAVAL_CATALOG_DIR)), language);
    QCOMPARE(QCoreApplication::translate("DailyItem", "Plant"), ours);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), qtText);
}

void TestTranslations::titleSpeaksTheLocale_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("usage");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("badFormat");
    QTest::newRow("French") << "LANG=fr_FR.UTF-8"
                            << "Utilisation\u202f: quintaval-title"
                            << "🦌 Chevreuil — Animal"
                            << "format inconnu «\u00a0hourly\u00a0»";
    QTest::newRow("English") << "LANG=en_US.UTF-8"
                             << "Usage: quintaval-title"
                             << "🦌 Chevreuil — Roe deer"
                             << "unknown format 'hourly'";
    QTest::newRow("C") << "LC_ALL=C.UTF-8 LANGUAGE=fr"
                       << "Usage: quintaval-title"
                       << "🦌 Chevreuil — Roe deer"
                       << "unknown format 'hourly'";
}

// The real program in a French or English session: its help, its tooltip and its complaints.
void TestTranslations::titleSpeaksTheLocale()
{
    QFETCH(QString, environment);
    QFETCH(QString, usage);
    QFETCH(QString, item);
    QFETCH(QString, badFormat);
    setLocaleEnvironment(environment);
    QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    system.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(QUINTAVAL_LIBFAKETIME));
    system.insert(QStringLiteral("FAKETIME"), QStringLiteral("@2026-12-07 10:40:00"));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(system);
        process.start(QStringLiteral(TITLE_PROGRAM), arguments);
        return finishRun(process, 10000);
    };
    QVERIFY(run({"--help"}).output.startsWith(usage));
    QCOMPARE(run({"--json"}).output.section(QLatin1String("\\n"), 2, 2), item);
    const ProgramRun bad = run({"--format", "hourly"});
    QCOMPARE(bad.exitCode, 2);
    QVERIFY2(bad.errors.contains(badFormat), qPrintable(bad.errors));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "TestTranslations.moc"
