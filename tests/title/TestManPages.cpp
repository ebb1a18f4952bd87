// SPDX-License-Identifier: GPL-3.0-or-later
// The manual pages: groff reads them without a warning, they stay ASCII so that every
// locale shows them, and the pages of quintaval-title and quintaval-date document every option their --help lists.

#include "tests/support/ProgramRun.h"

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

QByteArray page(const QString& name)
{
    QFile file(QStringLiteral(MAN_FOLDER "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestManPages final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void groffFindsNothingToSay_data();
    void groffFindsNothingToSay();
    void pageHasEveryOption_data();
    void pageHasEveryOption();
};

void TestManPages::groffFindsNothingToSay_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quintaval(1)") << "quintaval.1";
    QTest::newRow("quintaval-title(1)") << "quintaval-title.1";
    QTest::newRow("quintaval(1), French") << "fr/quintaval.1";
    QTest::newRow("quintaval-title(1), French") << "fr/quintaval-title.1";
    QTest::newRow("quintaval-date(1)") << "quintaval-date.1";
    QTest::newRow("quintaval-date(1), French") << "fr/quintaval-date.1";
}

void TestManPages::groffFindsNothingToSay()
{
    QFETCH(QString, name);
    const QByteArray text = page(name);
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.contains('@')); // every @VARIABLE@ filled in
    for (const char character : text) {
        QVERIFY2(static_cast<unsigned char>(character) < 0x80, "write other characters as groff escapes");
    }
    const QString groff = QStandardPaths::findExecutable(QStringLiteral("groff"));
    QVERIFY2(!groff.isEmpty(), "groff is not installed (Debian: groff-base)");
    QProcess process;
    process.start(groff, {"-man", "-ww", "-z", "-Tutf8", QStringLiteral(MAN_FOLDER "/") + name});
    const ProgramRun run = finishRun(process, 10000);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errors, QString());
}

void TestManPages::pageHasEveryOption_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("count");
    QTest::newRow("quintaval-title(1)") << TITLE_PROGRAM << "quintaval-title.1" << 9;
    QTest::newRow("quintaval-date(1)") << DATE_PROGRAM << "quintaval-date.1" << 5;
}

void TestManPages::pageHasEveryOption()
{
    QFETCH(QString, program);
    QFETCH(QString, name);
    QFETCH(int, count);
    QProcess process;
    process.start(program, {"--help"});
    const ProgramRun help = finishRun(process, 10000);
    QCOMPARE(help.exitCode, 0);
    const QString text = QString::fromLatin1(page(name)).replace(QLatin1String("\\-"), "-");
    const qsizetype start = text.indexOf(QLatin1String(".SH OPTIONS"));
    QVERIFY(start >= 0);
    const QString options = text.mid(start, text.indexOf(QLatin1String(".SH "), start + 1) - start);
    static const QRegularExpression option(QStringLiteral("^\\s+(?:-\\w, )?(--\\w[\\w-]*)"),
                                           QRegularExpression::MultilineOption);
    int listed = 0;
    for (auto match = option.globalMatch(help.output); match.hasNext(); ++listed) {
        const QString given = match.next().captured(1);
        QVERIFY2(options.contains(given), qPrintable(given));
    }
    QCOMPARE(listed, count);
}

QTEST_GUILESS_MAIN(TestManPages)
#include "TestManPages.moc"
