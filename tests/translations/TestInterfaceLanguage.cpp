// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in the session's language. The suite runs once per locale (see CMakeLists.txt),
// loads the catalogs the way the programs do, and samples what each window shows.

#include "app/platform/files/TranslationLoader.h"
#include "tests/ui/PanelInspection.h"
#include "tests/ui/UiFixture.h"
#include "widget/Provider.h"
#include "widget/QuintavalWidget.h"
#include "widget/QuintavalWidgetEntryView.h"
#include "widgethost/GalleryWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include <functional>

namespace {

// Every text a window shows or tells: labels, buttons, choices, titles and tooltips.
QStringList shownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        texts << widget->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            texts << button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            texts << box->title();
        } else if (const auto* picker = qobject_cast<const QComboBox*>(widget)) {
            for (int index = 0; index < picker->count(); ++index) {
                texts << picker->itemText(index);
            }
        }
    }
    texts.removeAll(QString());
    return texts;
}

bool inFrench()
{
    return qEnvironmentVariable("QUINTAVAL_EXPECTED_LANGUAGE") == QLatin1String("fr");
}

WidgetInstant widgetInstant(Instant instant)
{
    return toWidgetInstant(QDateTime::fromSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::seconds>(instant.time_since_epoch()).count()));
}

// 1 Vendémiaire CCXXXVI: a plant's day, "Raisin".
Instant sampleDay()
{
    return localInstant(2027, 9, 25, 10, 40, 0);
}

using Surface = std::function<QStringList()>;

QStringList panelTexts()
{
    UiFixture fixture(sampleDay());
    MenuBarView panel(fixture.panelServices());
    panel.show();
    return shownTexts(panel);
}

QStringList settingsTexts()
{
    UiFixture fixture(sampleDay());
    SettingsView settings(fixture.settingsServices());
    settings.show();
    return shownTexts(settings);
}

QStringList widgetTexts()
{
    const auto entry = Provider::entry(widgetInstant(sampleDay()));
    QStringList texts;
    for (const auto family : {WidgetKit::WidgetFamily::medium, WidgetKit::WidgetFamily::large}) {
        QuintavalWidgetEntryView face(family, *entry, QStringLiteral(QUINTAVAL_BUILD_RESOURCES));
        texts << shownTexts(face);
    }
    return texts;
}

QStringList galleryTexts()
{
    GalleryWindow gallery({QuintavalWidget().configuration(QStringLiteral(QUINTAVAL_BUILD_RESOURCES))}, {},
                          QDateTime::currentDateTimeUtc());
    return shownTexts(gallery);
}

} // namespace

class TestInterfaceLanguage final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void windowsSpeakTheSessionsLanguage_data();
    void windowsSpeakTheSessionsLanguage();
    void nothingIsCutInFrenchOnAnyDay();
};

void TestInterfaceLanguage::initTestCase()
{
    QCOMPARE(TranslationLoader::install(QStringLiteral(QUINTAVAL_BUILD_RESOURCES "/translations")).left(2),
             inFrench() ? QStringLiteral("fr") : QString());
}

void TestInterfaceLanguage::windowsSpeakTheSessionsLanguage_data()
{
    QTest::addColumn<Surface>("surface");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("french");
    const Surface panel = panelTexts;
    const Surface settings = settingsTexts;
    const Surface widget = widgetTexts;
    const Surface gallery = galleryTexts;
    QTest::newRow("panel: the item's category alone in French") << panel << "Grape • Plant"
                                                                << "Plante";
    QTest::newRow("panel: month's meaning") << panel << "\"Month of Grape Harvest\""
                                            << "«\u00a0Mois des vendanges\u00a0»";
    QTest::newRow("panel: heading") << panel << "ON THIS DAY"
                                    << "EN CE JOUR";
    QTest::newRow("panel: time caption") << panel << "Decimal Time"
                                         << "Heure décimale";
    QTest::newRow("panel: guillotine caption") << panel << "Days Since Last Guillotine"
                                               << "Jours depuis la dernière guillotine";
    QTest::newRow("panel: day of the décade") << panel << "1st of décade"
                                              << "1er jour de la décade";
    QTest::newRow("panel: French stays French") << panel << "Aujourd'hui"
                                                << "Aujourd'hui";
    QTest::newRow("settings: title") << settings << "Quintaval Settings"
                                     << "Réglages de Quintaval";
    QTest::newRow("settings: a choice") << settings << "Date & decimal time"
                                        << "Date et heure décimale";
    QTest::newRow("widget: category") << widget << "plant"
                                      << "plante";
    QTest::newRow("gallery: display name") << gallery << "Revolutionary Calendar"
                                           << "Calendrier républicain";
    QTest::newRow("gallery: button") << gallery << "Add Widget"
                                     << "Ajouter le widget";
}

void TestInterfaceLanguage::windowsSpeakTheSessionsLanguage()
{
    QFETCH(Surface, surface);
    QFETCH(QString, english);
    QFETCH(QString, french);
    const QStringList texts = surface();
    QVERIFY2(texts.contains(inFrench() ? french : english), qPrintable(texts.join(QLatin1String(" | "))));
    if (english != french) {
        QVERIFY(!texts.contains(inFrench() ? english : french));
    }
}

// The longer French words fit where the English ones do: the panel and the widget's faces on each
// day of a leap year (every item, meaning and festival), with French dates.
void TestInterfaceLanguage::nothingIsCutInFrenchOnAnyDay()
{
    if (!inFrench()) {
        QSKIP("the English panel and faces are measured by their own suites");
    }
    UiFixture fixture(localInstant(2026, 9, 24, 10, 40, 0)); // 1 Vendémiaire CCXXXV, a leap year
    MenuBarView panel(fixture.panelServices());
    panel.show();
    const std::int64_t year = fixture.calendar->currentDate().year;
    QStringList cut;
    int seen = 0;
    for (; fixture.calendar->currentDate().year == year; fixture.calendar->stepDay(1), ++seen) {
        settle();
        const QString day = QString::fromStdString(fixture.calendar->currentDate().formatted());
        for (const QString& text : cutTexts(panel)) {
            cut << day + QStringLiteral(": ") + text;
        }
        const auto entry = Provider::entry(widgetInstant(fixture.calendar->viewedGregorianDate()));
        for (const auto family : {WidgetKit::WidgetFamily::medium, WidgetKit::WidgetFamily::large}) {
            QuintavalWidgetEntryView face(family, *entry, QStringLiteral(QUINTAVAL_BUILD_RESOURCES));
            face.resize(WidgetKit::familySize(family));
            face.show();
            settle();
            for (const QString& text : cutTexts(face)) {
                cut << day + QStringLiteral(", widget: ") + text;
            }
        }
    }
    QCOMPARE(seen, 366);
    QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 cut, first: ").arg(cut.size()) +
                                       QStringList(cut.mid(0, 12)).join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestInterfaceLanguage)
#include "TestInterfaceLanguage.moc"
