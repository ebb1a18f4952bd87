// SPDX-License-Identifier: GPL-3.0-or-later
// The civil date without its weekday, written by the one function the panel and the widget share,
// and by the panel from the instant it shows.

#include "app/ui/PanelText.h"
#include "common/CivilDateText.h"
#include "tests/support/LocalTime.h"

#include <QTest>

#include <array>

namespace {

using CivilDateWriter = QString (*)(const QDate& date, const QLocale& locale);

QString panelText(const QDate& date, const QLocale& locale)
{
    return PanelText::gregorianDate(localInstant(date.year(), date.month(), date.day()), locale);
}

struct Writer
{
    const char* name;
    CivilDateWriter write;
};

constexpr std::array<Writer, 2> writers{{
    {"shared", CivilDateText::longDateWithoutWeekday},
    {"panel", panelText},
}};

} // namespace

Q_DECLARE_METATYPE(CivilDateWriter)

class TestCivilDateText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leavesOutTheWeekday_data();
    void leavesOutTheWeekday();
    void leavesNoStrayMarkInAnyLocale_data();
    void leavesNoStrayMarkInAnyLocale();
};

void TestCivilDateText::leavesOutTheWeekday_data()
{
    QTest::addColumn<CivilDateWriter>("write");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    struct Case
    {
        const char* locale;
        const char* text;
    };
    // Weekday first or last, behind a comma of its own script or a dash, or with a word of its own
    // before or after it.
    static constexpr Case cases[] = {
        {"C", "7 December 2026"},
        {"en_US", "December 7, 2026"},
        {"fr_FR", "7 décembre 2026"},
        {"de_DE", "7. Dezember 2026"},
        {"hu_HU", "2026. december 7."},
        {"lt_LT", "2026 m. gruodžio 7 d."},
        {"ar_EG", "٧ ديسمبر ٢٠٢٦"},
        {"my_MM", "၂၀၂၆- ဒီဇင်ဘာ ၇"},
        {"mn_MN", "2026 оны арван хоёрдугаар сарын 7"},
        {"sc_IT", "7 de nadale de su 2026"},
        {"uz_AF", "۲۰۲۶ نچی ییل ۷ نچی دسمبر"},
        {"zh_CN", "2026年12月7日"},
    };
    for (const Writer& writer : writers) {
        for (const Case& row : cases) {
            QTest::addRow("%s, %s", writer.name, row.locale)
                << writer.write << QString::fromLatin1(row.locale) << QString::fromUtf8(row.text);
        }
    }
}

void TestCivilDateText::leavesOutTheWeekday()
{
    QFETCH(CivilDateWriter, write);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(write(QDate(2026, 12, 7), QLocale(locale)), text);
}

void TestCivilDateText::leavesNoStrayMarkInAnyLocale_data()
{
    QTest::addColumn<CivilDateWriter>("write");
    for (const Writer& writer : writers) {
        QTest::newRow(writer.name) << writer.write;
    }
}

void TestCivilDateText::leavesNoStrayMarkInAnyLocale()
{
    QFETCH(CivilDateWriter, write);
    const QDate monday(2026, 12, 7);
    const auto stray = [](QChar ch) {
        return ch.isSpace() || ch.category() == QChar::Punctuation_Dash ||
               QStringView(u",\u060C\u1363\uFF0C\u3001;\u061B\u2E41").contains(ch);
    };
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString text = write(monday, locale);
        QVERIFY2(!text.isEmpty() && !stray(text.front()) && !stray(text.back()) &&
                     !text.contains(locale.dayName(monday.dayOfWeek())),
                 qPrintable(locale.name() + QStringLiteral(": ") + text));
    }
}

QTEST_GUILESS_MAIN(TestCivilDateText)
#include "TestCivilDateText.moc"
