// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-title run as bars run it: one-off titles and JSON at chosen instants, the stored
// format, --follow on a sped-up clock, and its answers to bad input.

#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// The program with its own settings folder, in a zone, on libfaketime's clock when one is given:
// "@2026-12-07 10:40:00" starts there (local time), " x200" after it runs 200 times as fast, and
// "@1796640000" with `epoch` names the instant in seconds.
class TitleProgram
{
public:
    QString configFolder() const { return m_folder.filePath(QStringLiteral("config")); }
    QString settingsFile() const { return configFolder() + QStringLiteral("/Quintaval/Quintaval.conf"); }

    // Stores the format (or another key) as the program's settings window does.
    void storeFormat(const QVariant& value, const QString& key = QStringLiteral("menuBarFormat")) const
    {
        QSettings settings(settingsFile(), QSettings::IniFormat);
        settings.setValue(key, value);
        settings.sync();
    }

    QProcessEnvironment environment(const QString& clock = {}, const QString& zone = QStringLiteral("Europe/Paris"),
                                    bool epoch = false) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
        environment.insert(QStringLiteral("TZ"), zone);
        if (!clock.isEmpty()) {
            environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FAKETIME_LIBRARY));
            environment.insert(QStringLiteral("FAKETIME"), clock);
            if (epoch) {
                environment.insert(QStringLiteral("FAKETIME_FMT"), QStringLiteral("%s"));
            }
        }
        return environment;
    }

    void start(QProcess& process, const QStringList& arguments, const QString& clock = {},
               const QString& zone = QStringLiteral("Europe/Paris"), bool epoch = false) const
    {
        process.setProcessEnvironment(environment(clock, zone, epoch));
        process.start(QStringLiteral(TITLE_PROGRAM), arguments);
        QVERIFY(process.waitForStarted());
    }

    ProgramRun run(const QStringList& arguments, const QString& clock = {}) const
    {
        QProcess process;
        start(process, arguments, clock);
        return finishRun(process, 10000);
    }

    // Another build of the program, with more of the environment set.
    ProgramRun runAs(const QString& program, const QStringList& arguments, const QString& clock,
                     const QProcessEnvironment& more) const
    {
        QProcessEnvironment environment = this->environment(clock);
        for (const QString& name : more.keys()) {
            environment.insert(name, more.value(name));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        return finishRun(process, 10000);
    }

private:
    QTemporaryDir m_folder;
};

// The next `count` lines the process prints, fewer if they do not come within `timeoutMs`.
QStringList nextLines(QProcess& process, int count, int timeoutMs = 5000)
{
    QStringList lines;
    QElapsedTimer elapsed;
    elapsed.start();
    while (lines.size() < count) {
        if (process.canReadLine()) {
            lines << QString::fromUtf8(process.readLine()).chopped(1);
        } else if (elapsed.elapsed() >= timeoutMs ||
                   !process.waitForReadyRead(static_cast<int>(timeoutMs - elapsed.elapsed()))) {
            break;
        }
    }
    return lines;
}

void stop(QProcess& process)
{
    process.terminate();
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(process.readAllStandardError(), QByteArray());
}

} // namespace

class TestTitleCommand final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsTheTitle_data();
    void printsTheTitle();
    void readsTheStoredFormat_data();
    void readsTheStoredFormat();
    void leapRuleAndInstant_data();
    void leapRuleAndInstant();
    void printsWaybarJson_data();
    void printsWaybarJson();
    void genmonFrontMatchesTheFullProgram_data();
    void genmonFrontMatchesTheFullProgram();
    void followPrintsEachChangeOnce_data();
    void followPrintsEachChangeOnce();
    void followJsonTracksTheTooltipTime();
    void followTakesInTheChosenFormat();
    void followTakesInANewZone_data();
    void followTakesInANewZone();
    void followEndsQuietly_data();
    void followEndsQuietly();
    void followEndsWhenTheReaderGoes();
    void refusesBadInput_data();
    void refusesBadInput();
    void helpAndVersion();
    void reportsAFailedWrite();
};

void TestTitleCommand::printsTheTitle_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("title");
    const QString frimaire = QStringLiteral("@2026-12-07 10:40:00");
    QTest::newRow("15 Frimaire, date and time") << frimaire << "dateAndTime"
                                                << "🥶 15 Frimaire · Quintidi · 4:44";
    QTest::newRow("15 Frimaire, date") << frimaire << "date"
                                       << "🥶 15 Frim.";
    QTest::newRow("15 Frimaire, decimal time") << frimaire << "decimalTime"
                                               << "🥶 4:44";
    QTest::newRow("15 Frimaire, day number") << frimaire << "dayNumber"
                                             << "🥶 15";
    const QString revolution = QStringLiteral("@2027-09-24 00:00:00");
    QTest::newRow("6 Sansculottides, date and time") << revolution << "dateAndTime"
                                                     << "🎉 6 Sansculottides · Sextidi · 0:00";
    QTest::newRow("6 Sansculottides, date") << revolution << "date"
                                            << "🎉 6 Sans.";
    QTest::newRow("6 Sansculottides, decimal time") << revolution << "decimalTime"
                                                    << "🎉 0:00";
    QTest::newRow("6 Sansculottides, day number") << revolution << "dayNumber"
                                                  << "🎉 6";
    QTest::newRow("Nivôse cut after its accent") << "@2027-01-01 12:00:00"
                                                 << "date"
                                                 << "☃️ 10 Nivô.";
    QTest::newRow("minute padded") << "@2026-12-07 00:07:12"
                                   << "decimalTime"
                                   << "🥶 0:05";
    QTest::newRow("last decimal minute") << "@2026-12-07 23:59:59"
                                         << "decimalTime"
                                         << "🥶 9:99";
    QTest::newRow("new year") << "@2027-09-25 00:00:00"
                              << "dateAndTime"
                              << "🍇 1 Vendémiaire · Primidi · 0:00";
}

void TestTitleCommand::printsTheTitle()
{
    QFETCH(QString, clock);
    QFETCH(QString, format);
    QFETCH(QString, title);
    const ProgramRun run = TitleProgram().run({"--format", format}, clock);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
    QCOMPARE(run.output, title + '\n');
}

void TestTitleCommand::readsTheStoredFormat_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid: no settings file at all
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    const QString dateAndTime = QStringLiteral("🥶 15 Frimaire · Quintidi · 4:44");
    QTest::newRow("no settings yet") << QVariant() << QStringList() << dateAndTime;
    QTest::newRow("date") << QVariant("date") << QStringList() << "🥶 15 Frim.";
    QTest::newRow("decimal time") << QVariant("decimalTime") << QStringList() << "🥶 4:44";
    QTest::newRow("day number") << QVariant("dayNumber") << QStringList() << "🥶 15";
    QTest::newRow("--format wins") << QVariant("date") << QStringList{"--format", "dayNumber"} << "🥶 15";
    QTest::newRow("wrong case") << QVariant("DayNumber") << QStringList() << dateAndTime;
    QTest::newRow("empty") << QVariant("") << QStringList() << dateAndTime;
    QTest::newRow("a theme's value") << QVariant("sepiaNight") << QStringList() << dateAndTime;
    QTest::newRow("a number") << QVariant(2) << QStringList() << dateAndTime;
    QTest::newRow("a list") << QVariant(QStringList{"date", "dayNumber"}) << QStringList() << dateAndTime;
}

void TestTitleCommand::readsTheStoredFormat()
{
    QFETCH(QVariant, stored);
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    const TitleProgram program;
    if (stored.isValid()) {
        program.storeFormat(stored);
    }
    QFile settings(program.settingsFile());
    const QByteArray before = settings.open(QIODevice::ReadOnly) ? settings.readAll() : QByteArray();
    settings.close();

    const ProgramRun run = program.run(arguments, QStringLiteral("@2026-12-07 10:40:00"));
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.output, title + '\n');
    // The settings are the program's: read, never written, never created.
    QCOMPARE(settings.exists(), stored.isValid());
    QVERIFY(!settings.exists() || (settings.open(QIODevice::ReadOnly) && settings.readAll() == before));
    QVERIFY(stored.isValid() || !QDir(program.configFolder()).exists());
}

void TestTitleCommand::leapRuleAndInstant_data()
{
    QTest::addColumn<QVariant>("stored"); // the settings' leapRule; invalid: none
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("errors"); // how standard error's one line starts, if there is one
    const QStringList at{"--format", "date", "--at", "2026-12-09T10:40"};
    const QString choices = QStringLiteral("use continuous, romme, madler or equinox");
    QTest::newRow("continuous by default") << QVariant() << at << 0 << "🥶 17 Frim."
                                           << "";
    QTest::newRow("stored") << QVariant("equinox") << at << 0 << "🥶 18 Frim."
                            << "";
    QTest::newRow("given") << QVariant() << at + QStringList{"--leap-rule", "romme"} << 0 << "🥶 19 Frim."
                           << "";
    QTest::newRow("given wins") << QVariant("romme") << at + QStringList{"--leap-rule=madler"} << 0 << "🥶 18 Frim."
                                << "";
    QTest::newRow("stored, unknown") << QVariant("gregorian") << at << 0 << "🥶 17 Frim."
                                     << "Quintaval: the settings' leapRule 'gregorian' names no leap-year rule";
    QTest::newRow("given, unknown") << QVariant() << at + QStringList{"--leap-rule", "Equinox"} << 2 << ""
                                    << "quintaval-title: unknown leap-year rule 'Equinox'; " + choices;
    QTest::newRow("given, empty") << QVariant() << QStringList{"--leap-rule"} << 2 << ""
                                  << "quintaval-title: --leap-rule needs a value: continuous, romme, madler or equinox";
    QTest::newRow("first day") << QVariant() << QStringList{"--format", "date", "--at", "1792-09-22"} << 0
                               << "🍇 1 Vend."
                               << "";
    QTest::newRow("last second") << QVariant() << QStringList{"--at", "9999-12-31T23:59:59"} << 0
                                 << "🌫️ 8 Brumaire · Octidi · 9:99"
                                 << "";
    QTest::newRow("the day before") << QVariant() << QStringList{"--at", "1792-09-21T23:59"} << 2 << ""
                                    << "quintaval-title: 1792-09-21T23:59 is outside the days shown, 1792-09-22 to "
                                       "9999-12-31";
    QTest::newRow("the day after") << QVariant() << QStringList{"--at", "10000-01-01"} << 2 << ""
                                   << "quintaval-title: 10000-01-01 is outside the days shown";
    QTest::newRow("no such day") << QVariant() << QStringList{"--at", "2027-02-29"} << 2 << ""
                                 << "quintaval-title: cannot read '2027-02-29' as a date";
    QTest::newRow("clocks go forward") << QVariant() << QStringList{"--at", "2027-03-28T02:30"} << 2 << ""
                                       << "quintaval-title: there is no 2027-03-28T02:30 in this time zone";
    QTest::newRow("clocks go back, the first")
        << QVariant() << QStringList{"--at", "2026-10-25T02:30", "--format", "decimalTime"} << 0 << "🌫️ 1:04"
        << "";
    QTest::newRow("with --follow") << QVariant() << QStringList{"--follow", "--at", "2026-12-09"} << 2 << ""
                                   << "quintaval-title: --at shows one moment";
}

void TestTitleCommand::leapRuleAndInstant()
{
    QFETCH(QVariant, stored);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    const TitleProgram program;
    if (stored.isValid()) {
        program.storeFormat(stored, QStringLiteral("leapRule"));
    }
    // The machine's clock says otherwise: --at alone sets the day.
    const ProgramRun run = program.run(arguments, QStringLiteral("@2030-06-01 12:00:00"));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.output, output.isEmpty() ? QString() : output + '\n');
    QCOMPARE(run.errors.left(errors.size()), errors);
    QCOMPARE(run.errors.count('\n'), errors.isEmpty() ? 0 : 1);
}

void TestTitleCommand::printsWaybarJson_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("monthClass");
    QTest::newRow("15 Frimaire") << "@2026-12-07 10:40:00" << QStringList{"--json"}
                                 << "🥶 15 Frimaire · Quintidi · 4:44"
                                 << "Quintidi 15 Frimaire an CCXXXV\n4:44 décimal\n🦌 Chevreuil — Roe deer\n"
                                    "Leap years: continuous (3, 7, 11…)"
                                 << "frimaire";
    QTest::newRow("festival of the Revolution")
        << "@2027-09-24 00:00:00" << QStringList{"--json", "--format", "date"} << "🎉 6 Sans."
        << "Sextidi 6 Sansculottides an CCXXXV\n0:00 décimal\n🎉 La Fête de la Révolution\n"
           "Leap years: continuous (3, 7, 11…)"
        << "sansculottides";
    QTest::newRow("accents dropped from the class")
        << "@2027-09-25 12:00:00" << QStringList{"--format=dayNumber", "--json"} << "🍇 1"
        << "Primidi 1 Vendémiaire an CCXXXVI\n5:00 décimal\n🍇 Raisin — Grape\nLeap years: continuous (3, 7, 11…)"
        << "vendemiaire";
    QTest::newRow("at an instant, by the equinox")
        << QString() << QStringList{"--json", "--at", "2026-12-09T10:40", "--leap-rule", "equinox"}
        << "🥶 18 Frimaire · Octidi · 4:44"
        << "Octidi 18 Frimaire an CCXXXV\n4:44 décimal\n🌿 Lierre — Ivy\nLeap years: by the equinox at Paris"
        << "frimaire";
}

void TestTitleCommand::printsWaybarJson()
{
    QFETCH(QString, clock);
    QFETCH(QStringList, arguments);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    QFETCH(QString, monthClass);
    const ProgramRun run = TitleProgram().run(arguments, clock);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.output.endsWith('\n'));
    QCOMPARE(run.output.count('\n'), 1);
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(run.output.toUtf8(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject object = document.object();
    QCOMPARE(object.keys(), QStringList({"class", "text", "tooltip"}));
    QCOMPARE(object.value("text").toString(), text);
    QCOMPARE(object.value("tooltip").toString(), tooltip);
    QCOMPARE(object.value("class").toString(), monthClass);
}

void TestTitleCommand::genmonFrontMatchesTheFullProgram_data()
{
    QTest::addColumn<QByteArray>("settings"); // empty: no file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");  // assignments to the environment
    QTest::addColumn<bool>("byTheFront"); // made without the full program
    const QStringList genmon{"--genmon"};
    QTest::newRow("no settings") << QByteArray() << genmon << "LC_ALL=C.UTF-8" << true;
    QTest::newRow("stored") << QByteArray("[General]\nleapRule=equinox\nmenuBarFormat=date\n") << genmon
                            << "LC_ALL=en_GB.UTF-8" << true;
    QTest::newRow("stored among others")
        << QByteArray("; kept by hand\r\n[General]\r\nsoundEnabled=true\r\nmenuBarFormat = dayNumber\r\n\r\n"
                      "[Other]\r\nkey=value\r\n")
        << genmon << "LC_ALL=C" << true;
    QTest::newRow("given wins over a stored unknown")
        << QByteArray("[General]\nleapRule=gregorian\n")
        << QStringList{"--genmon", "--format", "decimalTime", "--leap-rule=romme"} << "LC_ALL=C" << true;
    QTest::newRow("stored unknown") << QByteArray("[General]\nleapRule=gregorian\n") << genmon << "LC_ALL=C" << false;
    QTest::newRow("in another section") << QByteArray("[Panel]\nmenuBarFormat=date\n") << genmon << "LC_ALL=C" << false;
    QTest::newRow("quoted") << QByteArray("[General]\nmenuBarFormat=\"date\"\n") << genmon << "LC_ALL=C" << false;
    QTest::newRow("continued") << QByteArray("[General]\nmenuBarFormat=da\\\nte\n") << genmon << "LC_ALL=C" << false;
    QTest::newRow("given twice in the file")
        << QByteArray("[General]\nmenuBarFormat=date\nmenuBarFormat=dayNumber\n") << genmon << "LC_ALL=C" << false;
    QTest::newRow("French") << QByteArray("[General]\nmenuBarFormat=date\n") << genmon << "LC_ALL=fr_FR.UTF-8" << true;
    QTest::newRow("LANGUAGE of C alone") << QByteArray() << genmon << "LANGUAGE=C LC_ALL=en_US.UTF-8" << true;
    QTest::newRow("LANGUAGE, English first")
        << QByteArray() << genmon << "LANGUAGE=C:en_GB:fr LC_ALL=fr_FR.UTF-8" << true;
    QTest::newRow("LANGUAGE, French first") << QByteArray() << genmon << "LANGUAGE=fr:en LC_ALL=en_US.UTF-8" << true;
    QTest::newRow("LANGUAGE, no catalog then French")
        << QByteArray() << genmon << "LANGUAGE=de_AT:fr_CA LC_ALL=de_DE.UTF-8" << true;
    QTest::newRow("no catalog at all") << QByteArray() << genmon << "LC_ALL=de_DE.UTF-8" << true;
    QTest::newRow("at an instant") << QByteArray() << QStringList{"--genmon", "--at", "2027-09-24T00:00"} << "C"
                                   << false;
}

// The front answers --genmon itself where it is sure, and hands everything else to the full
// program; either way the text is the title and the tooltip are waybar's.
void TestTitleCommand::genmonFrontMatchesTheFullProgram()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(bool, byTheFront);
    const TitleProgram program;
    if (!settings.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(program.settingsFile()).path()));
        QFile file(program.settingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(settings) == settings.size());
    }
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("LANGUAGE"), QString());
    for (const QString& assignment : locale.split(u' ')) {
        environment.insert(assignment.section(u'=', 0, 0), assignment.section(u'=', 1));
    }
    const QString clock = QStringLiteral("@2026-12-07 10:40:00");
    const ProgramRun genmon = program.runAs(QStringLiteral(TITLE_PROGRAM), arguments, clock, environment);
    QCOMPARE(genmon.exitCode, 0);
    static const QRegularExpression shape(
        QStringLiteral("^<txt>([^<]*)</txt><tool>([^<]*)</tool><txtclick>quintaval --open-panel</txtclick>\n$"));
    const QRegularExpressionMatch parts = shape.match(genmon.output);
    QVERIFY2(parts.hasMatch(), qPrintable(genmon.output));
    QStringList json = arguments;
    json.replace(0, QStringLiteral("--json"));
    const ProgramRun waybar = program.runAs(QStringLiteral(TITLE_PROGRAM), json, clock, environment);
    const QJsonObject object = QJsonDocument::fromJson(waybar.output.toUtf8()).object();
    QCOMPARE(parts.captured(1), object.value("text").toString());
    QCOMPARE(parts.captured(2), object.value("tooltip").toString());
    QCOMPARE(genmon.errors, waybar.errors);

    // The front alone, with no full program to hand over to.
    const QTemporaryDir alone;
    const QString front = alone.filePath(QStringLiteral("quintaval-title"));
    QVERIFY(QFile::copy(QStringLiteral(TITLE_PROGRAM), front));
    const ProgramRun own = program.runAs(front, arguments, clock, environment);
    if (byTheFront) {
        QCOMPARE(own.output, genmon.output);
        QCOMPARE(own.exitCode, 0);
    } else {
        QCOMPARE(own.exitCode, 1);
        QVERIFY2(own.errors.startsWith("quintaval-title: cannot start "), qPrintable(own.errors));
    }
}

void TestTitleCommand::followPrintsEachChangeOnce_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("lines");
    // A decimal minute is 0.86 s at 100 times the speed: each one once, none skipped.
    QTest::newRow("decimal minutes") << "@2026-12-07 10:40:00 x100"
                                     << "decimalTime" << QStringList{"🥶 4:44", "🥶 4:45", "🥶 4:46"};
    QTest::newRow("with the date") << "@2026-12-07 23:59:30 x100"
                                   << "dateAndTime"
                                   << QStringList{"🥶 15 Frimaire · Quintidi · 9:99",
                                                  "🥶 16 Frimaire · Sextidi · 0:00",
                                                  "🥶 16 Frimaire · Sextidi · 0:01"};
    // The date alone changes at midnight only; the minutes between print nothing.
    QTest::newRow("date at midnight") << "@2026-12-07 23:58:00 x200"
                                      << "date" << QStringList{"🥶 15 Frim.", "🥶 16 Frim."};
}

void TestTitleCommand::followPrintsEachChangeOnce()
{
    QFETCH(QString, clock);
    QFETCH(QString, format);
    QFETCH(QStringList, lines);
    const TitleProgram program;
    QProcess follow;
    program.start(follow, {"--follow", "--format", format}, clock);
    QCOMPARE(nextLines(follow, static_cast<int>(lines.size())), lines);
    // The next change is minutes of fake time away, and nothing is printed before it.
    QCOMPARE(nextLines(follow, 1, 400), QStringList());
    stop(follow);
}

void TestTitleCommand::followJsonTracksTheTooltipTime()
{
    // The title shows the date only, but the tooltip's time moves, so waybar gets each minute.
    const TitleProgram program;
    QProcess follow;
    program.start(follow, {"--follow", "--json", "--format", "date"}, QStringLiteral("@2026-12-07 10:40:00 x100"));
    const QStringList lines = nextLines(follow, 3);
    QCOMPARE(lines.size(), 3);
    QStringList times;
    for (const QString& line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        QCOMPARE(object.value("text").toString(), QStringLiteral("🥶 15 Frim."));
        times << object.value("tooltip").toString().section('\n', 1, 1);
    }
    QCOMPARE(times, QStringList({"4:44 décimal", "4:45 décimal", "4:46 décimal"}));
    stop(follow);
}

void TestTitleCommand::followTakesInTheChosenFormat()
{
    // The settings folder does not exist yet, as before the program's first start.
    const TitleProgram program;
    QProcess follow;
    program.start(follow, {"--follow"}, QStringLiteral("@2026-12-07 10:40:00"));
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 15 Frimaire · Quintidi · 4:44"});
    program.storeFormat("dayNumber");
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 15"});
    program.storeFormat("date");
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 15 Frim."});
    program.storeFormat("weekly");
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 15 Frimaire · Quintidi · 4:44"});
    // The folder removed and made again: the watch finds its way back to the file.
    QVERIFY(QDir(program.configFolder() + "/Quintaval").removeRecursively());
    QTest::qWait(300);
    program.storeFormat("decimalTime");
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 4:44"});
    // The day by another leap-year rule, at once too.
    program.storeFormat("dayNumber");
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 15"});
    program.storeFormat("equinox", QStringLiteral("leapRule"));
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 16"});
    stop(follow);
}

void TestTitleCommand::followTakesInANewZone_data()
{
    QTest::addColumn<bool>("asLink");
    QTest::newRow("zone file renamed over") << false;
    QTest::newRow("zone link removed and made again") << true;
}

void TestTitleCommand::followTakesInANewZone()
{
    // TZ names a file, as TZ=:/etc/localtime does; the zone changes from UTC+14 to UTC-11.
    QFETCH(bool, asLink);
    const QTemporaryDir folder;
    const QString zone = folder.filePath("localtime");
    const QString kiritimati = QStringLiteral("/usr/share/zoneinfo/Pacific/Kiritimati");
    const QString pagoPago = QStringLiteral("/usr/share/zoneinfo/Pacific/Pago_Pago");
    QVERIFY(asLink ? QFile::link(kiritimati, zone) : QFile::copy(kiritimati, zone));

    const TitleProgram program;
    QProcess follow;
    program.start(follow, {"--follow", "--format", "date"}, "@1796640000", ":" + zone, true);
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 16 Frim."});
    if (asLink) {
        QVERIFY(QFile::remove(zone));
        QTest::qWait(20);
        QVERIFY(QFile::link(pagoPago, zone));
    } else {
        QVERIFY(QFile::copy(pagoPago, zone + ".new"));
        QVERIFY(QFile::rename(zone + ".new", zone) || (QFile::remove(zone) && QFile::rename(zone + ".new", zone)));
    }
    QCOMPARE(nextLines(follow, 1), QStringList{"🥶 14 Frim."});
    // Between the removal and the new link there was no zone (UTC, 15 Frimaire): never shown.
    QCOMPARE(nextLines(follow, 1, 300), QStringList());
    stop(follow);
}

void TestTitleCommand::followEndsQuietly_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestTitleCommand::followEndsQuietly()
{
    QFETCH(int, signal);
    const TitleProgram program;
    QProcess follow;
    program.start(follow, {"--follow", "--format", "date"});
    QCOMPARE(nextLines(follow, 1).size(), 1);
    ::kill(static_cast<pid_t>(follow.processId()), signal);
    QVERIFY(follow.waitForFinished(5000));
    QCOMPARE(follow.exitStatus(), QProcess::NormalExit);
    QCOMPARE(follow.exitCode(), 0);
    QCOMPARE(follow.readAllStandardError(), QByteArray());
}

void TestTitleCommand::followEndsWhenTheReaderGoes()
{
    // The date changes only at midnight, so only noticing the closed pipe ends it in time.
    const TitleProgram program;
    QProcess pipeline;
    pipeline.setProcessEnvironment(program.environment());
    pipeline.start(QStringLiteral("sh"),
                   {"-c", "\"$0\" --follow --format date | head -n 1; echo \"$?\"", QStringLiteral(TITLE_PROGRAM)});
    QVERIFY(pipeline.waitForFinished(5000));
    const QStringList lines = QString::fromUtf8(pipeline.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.front().endsWith(" Frim."));
    QCOMPARE(lines.back(), QStringLiteral("0"));
    QCOMPARE(pipeline.readAllStandardError(), QByteArray());
}

void TestTitleCommand::refusesBadInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("clock");
    // A clock set before the calendar began, or past the last day shown, is not shown as a day.
    QTest::newRow("clock in 1600") << QStringList() << "the clock reads 1600-01-01, outside the days shown"
                                   << "@1600-01-01 12:00:00";
    // libfaketime reads no year of five digits: some 7,977 years on from now.
    QTest::newRow("clock past 9999, following") << QStringList{"--follow"} << "the clock reads 100"
                                                << "+2913540d";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "unknown option '--colour'" << QString();
    QTest::newRow("unknown short option") << QStringList{"-x"} << "unknown option '-x'" << QString();
    QTest::newRow("stray argument") << QStringList{"--follow", "date"} << "unexpected argument 'date'" << QString();
    QTest::newRow("format without value") << QStringList{"--format"} << "--format needs a value" << QString();
    QTest::newRow("format not known") << QStringList{"--format", "weekly"} << "unknown format 'weekly'" << QString();
    QTest::newRow("format in the wrong case") << QStringList{"--format=Date"} << "unknown format 'Date'" << QString();
    QTest::newRow("empty format") << QStringList{"--format="} << "unknown format ''" << QString();
    QTest::newRow("value for a switch") << QStringList{"--json=yes"} << "--json takes no value" << QString();
    QTest::newRow("genmon and json") << QStringList{"--genmon", "--json"} << "--genmon is read once a run" << QString();
    QTest::newRow("changed-from without value")
        << QStringList{"--changed-from"} << "--changed-from needs a value" << QString();
    QTest::newRow("changed-from while following")
        << QStringList{"--follow", "--changed-from="} << "--changed-from waits for the next line" << QString();
}

void TestTitleCommand::refusesBadInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QFETCH(QString, clock);
    const ProgramRun run = TitleProgram().run(arguments, clock);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.output, QString());
    QVERIFY2(run.errors.startsWith("quintaval-title: " + message), qPrintable(run.errors));
    QCOMPARE(run.errors.count('\n'), 1);
}

void TestTitleCommand::helpAndVersion()
{
    const ProgramRun help = TitleProgram().run({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char* word : {"--format",    "--leap-rule", "--at",       "--follow", "--json", "--help",  "--version",
                             "dateAndTime", "date",        "continuous", "romme",    "madler", "equinox", "decimalTime",
                             "dayNumber",   "waybar",      "polybar",    "i3blocks", "tmux",   "conky"}) {
        QVERIFY2(help.output.contains(QLatin1String(word)), word);
    }
    QCOMPARE(TitleProgram().run({"-h"}).output, help.output);
    const ProgramRun version = TitleProgram().run({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.output, QStringLiteral("quintaval-title " TITLE_VERSION "\n"));
}

void TestTitleCommand::reportsAFailedWrite()
{
    QProcess full;
    full.setStandardOutputFile(QStringLiteral("/dev/full"));
    full.start(QStringLiteral(TITLE_PROGRAM), QStringList{});
    QVERIFY(full.waitForFinished(5000));
    QCOMPARE(full.exitCode(), 1);
    QVERIFY(full.readAllStandardError().startsWith("quintaval-title: cannot write the title: "));
}

QTEST_GUILESS_MAIN(TestTitleCommand)
#include "TestTitleCommand.moc"
