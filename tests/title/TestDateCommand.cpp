// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-date as it is run from a shell: dates both ways, the rule from the settings, its
// answers to dates that do not exist, and the iCalendar export read by a real parser.

#include "tests/support/ProgramRun.h"

#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

ProgramRun runDate(const QTemporaryDir& folder, const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("America/New_York"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(DATE_PROGRAM), arguments);
    return finishRun(process, 60000);
}

} // namespace

class TestDateCommand final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answers_data();
    void answers();
    void followsTheStoredRule();
    void icsReadByAParser();

private:
    QTemporaryDir m_folder;
};

void TestDateCommand::answers_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("error");

    const auto add = [](const char* name, QStringList arguments, int exitCode, const char* output,
                        const char* error = "") {
        QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(output) << QString::fromUtf8(error);
    };
    add("civil to Republican", {"1799-11-09"}, 0, "Octidi 18 Brumaire an VIII\n🌸 Dentelaire — Leadwort\n");
    add("Republican to civil", {"18 Brumaire an VIII"}, 0, "1799-11-09\nSaturday 9 November 1799\n");
    add("words unquoted", {"18", "brumaire", "8"}, 0, "1799-11-09\nSaturday 9 November 1799\n");
    add("complementary day", {"2026-09-21"}, 0, "Tridi 3 Sansculottides an CCXXXIV\n🎉 La Fête du Travail\n");
    add("sixth day, leap under the rule", {"--leap-rule", "romme", "6 Sansculottides an XX"}, 0,
        "1812-09-22\nTuesday 22 September 1812\n");
    add("sixth day, common under the rule", {"--leap-rule=continuous", "6 Sansculottides an XX"}, 2, "",
        "quintaval-date: An XX is a common year under the Continuous rule");
    add("31 Brumaire", {"31 Brumaire an VIII"}, 2, "", "there is no 31 Brumaire");
    add("before the calendar", {"1792-09-21"}, 2, "", "before 1 Vendémiaire an I");
    add("json", {"--json", "1 Vendémiaire an I"}, 0,
        "{\"day\":1,\"dayOfDecade\":\"Primidi\",\"gregorian\":\"1792-09-22\",\"gregorianText\":\"Saturday 22 "
        "September 1792\",\"item\":{\"category\":\"Plant\",\"emoji\":\"🍇\",\"frenchName\":\"Raisin\",\"name\":"
        "\"Grape\"},\"leapRule\":\"continuous\",\"month\":1,\"republican\":\"1 Vendémiaire an I\",\"year\":1}\n");
    add("unknown rule", {"--leap-rule", "lunar", "2026-01-01"}, 2, "", "unknown leap-year rule 'lunar'");
    add("no date", {}, 2, "", "no date given");
    add("ics and a date", {"--ics", "2026-01-01", "2026-01-02", "2026-01-03"}, 2, "", "--ics takes its two dates");
    add("ics backwards", {"--ics", "2026-01-02", "2026-01-01"}, 2, "", "The last day comes before the first");
    add("ics over a century", {"--ics", "2000-01-01", "2100-01-01"}, 2, "", "At most a hundred years");
    add("ics bad bound", {"--ics", "2026-01-01", "31 Brumaire an CCXXXV"}, 2, "", "there is no 31 Brumaire");
}

void TestDateCommand::answers()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);
    const ProgramRun run = runDate(m_folder, arguments);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.output, output);
    QVERIFY2(run.errors.contains(error), qPrintable(run.errors));
}

void TestDateCommand::followsTheStoredRule()
{
    const QString rule = QStringLiteral("6 Sansculottides an CXXVIII");
    QVERIFY(runDate(m_folder, {rule}).exitCode == 2); // continuous: 128 is common
    {
        QSettings settings(m_folder.filePath(QStringLiteral("config/Quintaval/Quintaval.conf")), QSettings::IniFormat);
        settings.setValue(QStringLiteral("leapRule"), QStringLiteral("romme"));
    }
    const ProgramRun run = runDate(m_folder, {rule});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output.section(u'\n', 0, 0), QStringLiteral("1920-09-22"));
    QFile::remove(m_folder.filePath(QStringLiteral("config/Quintaval/Quintaval.conf")));
}

void TestDateCommand::icsReadByAParser()
{
    QStringList files;
    for (const QString& name : {QStringLiteral("first.ics"), QStringLiteral("second.ics")}) {
        const ProgramRun run = runDate(m_folder, {"--ics", "1 Vendémiaire an CCXXXIV", "2026-09-23"});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.output.startsWith(QLatin1String("BEGIN:VCALENDAR\r\n")));
        QFile file(m_folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(run.output.toUtf8());
        files << file.fileName();
    }
    QProcess parser;
    parser.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(CHECK_ICS), files.at(0), files.at(1), QStringLiteral("20251110")});
    const ProgramRun parsed = finishRun(parser, 60000);
    QVERIFY2(parsed.exitCode == 0, qPrintable(parsed.errors + "\n(Debian: python3-icalendar)"));
    QCOMPARE(parsed.output, QStringLiteral("events 365\n"
                                           "summary 18 Brumaire an CCXXXIV · Dentelaire\n"
                                           "description Primidi | Grape (Plant)\n"
                                           "one day each True\n"
                                           "same uids True\n"
                                           "unique uids True\n"));
}

QTEST_GUILESS_MAIN(TestDateCommand)
#include "TestDateCommand.moc"
