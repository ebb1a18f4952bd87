// SPDX-License-Identifier: GPL-3.0-or-later
// What the faces show for an entry, and how they are drawn.

#include "tests/support/ScopedTimeZone.h"
#include "widget/DayNumberLabel.h"
#include "widget/EngravingThumbnail.h"
#include "widget/EntryTexts.h"
#include "widget/LargeWidgetView.h"
#include "widget/MediumWidgetView.h"
#include "widget/Provider.h"
#include "widget/QuintavalWidget.h"
#include "widget/QuintavalWidgetEntryView.h"
#include "widget/SmallWidgetView.h"
#include "widget/WidgetStyle.h"
#include "widgethost/FaceRenderer.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::shared_ptr<const RevolutionaryDateEntry> entryAt(const QString& isoLocalTime)
{
    return Provider::entry(toWidgetInstant(QDateTime::fromString(isoLocalTime, Qt::ISODate)));
}

QStringList labelTexts(const QWidget& view)
{
    QStringList texts;
    for (const QLabel* label : view.findChildren<QLabel*>()) {
        texts << label->text();
    }
    return texts;
}

// Channels within a few steps of each other, as antialiasing and rounding leave them.
bool near(QColor a, QColor b, int tolerance = 3)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance && std::abs(a.alpha() - b.alpha()) <= tolerance;
}

// A plate like the generated ones: black ink on white paper, ink on the left half only.
void writePlate(const QString& resourceDirectory, const std::string& imageName)
{
    QDir(resourceDirectory).mkpath(QStringLiteral("engravings"));
    QImage plate(128, 128, QImage::Format_RGB32);
    plate.fill(Qt::white);
    QPainter(&plate).fillRect(0, 0, 64, 128, Qt::black);
    QVERIFY(plate.save(
        QDir(resourceDirectory).filePath(QStringLiteral("engravings/%1.png").arg(QString::fromStdString(imageName)))));
}

// The widget's own drawing on a clear image, without the window background a grab adds.
QImage grabbed(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestWidgetFaces final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void familyPicksTheFace_data();
    void familyPicksTheFace();
    void facesShowTheirTexts_data();
    void facesShowTheirTexts();
    void complementaryDayHasNoItem();
    void dayNumberDigitsHaveEqualWidth();
    void engravingIsMultipliedOntoParchment();
    void plateFrameSurvivesTheThumbnail_data();
    void plateFrameSurvivesTheThumbnail();
    void missingEngravingLeavesParchment();
    void darkDesktopStillDrawsLight();

private:
    ScopedTimeZone m_zone{"Europe/Paris"};
};

void TestWidgetFaces::initTestCase()
{
    QLocale::setDefault(QLocale::c());
}

void TestWidgetFaces::familyPicksTheFace_data()
{
    QTest::addColumn<WidgetKit::WidgetFamily>("family");
    QTest::addColumn<QString>("face");
    QTest::newRow("small") << WidgetKit::WidgetFamily::small << "SmallWidgetView";
    QTest::newRow("medium") << WidgetKit::WidgetFamily::medium << "MediumWidgetView";
    QTest::newRow("large") << WidgetKit::WidgetFamily::large << "LargeWidgetView";
    QTest::newRow("a size the widget does not offer") << WidgetKit::WidgetFamily::extraLarge << "SmallWidgetView";
}

void TestWidgetFaces::familyPicksTheFace()
{
    QFETCH(WidgetKit::WidgetFamily, family);
    QFETCH(QString, face);
    const QuintavalWidgetEntryView view(family, *entryAt(QStringLiteral("2026-12-07T10:40:00")), QString());
    QCOMPARE(QString::fromLatin1(view.face()->metaObject()->className()), face);
}

void TestWidgetFaces::facesShowTheirTexts_data()
{
    QTest::addColumn<WidgetKit::WidgetFamily>("family");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("thumbnails");
    // 7 December 2026 is 15 Frimaire an CCXXXV, a Quintidi: the roe deer.
    QTest::newRow("small") << WidgetKit::WidgetFamily::small << QStringList{"Frimaire", "An CCXXXV"} << 0;
    QTest::newRow("medium") << WidgetKit::WidgetFamily::medium
                            << QStringList{"Frimaire", "An CCXXXV", "Chevreuil", "animal"} << 1;
    QTest::newRow("large") << WidgetKit::WidgetFamily::large
                           << QStringList{"Frimaire", "An CCXXXV", "7 December 2026", "Chevreuil",
                                          "Roe deer", "animal",    "Quintidi"}
                           << 1;
}

void TestWidgetFaces::facesShowTheirTexts()
{
    QFETCH(WidgetKit::WidgetFamily, family);
    QFETCH(QStringList, texts);
    QFETCH(int, thumbnails);
    const QuintavalWidgetEntryView view(family, *entryAt(QStringLiteral("2026-12-07T10:40:00")), QString());
    QCOMPARE(labelTexts(view), texts);
    QCOMPARE(view.findChild<DayNumberLabel*>()->text(), QStringLiteral("15"));
    QCOMPARE(view.findChildren<EngravingThumbnail*>().size(), thumbnails);
}

void TestWidgetFaces::complementaryDayHasNoItem()
{
    // 4 Sansculottides an CCXXXIV, a Quartidi.
    const auto entry = entryAt(QStringLiteral("2026-09-22T10:00:00"));
    const MediumWidgetView medium(*entry, QString());
    QCOMPARE(labelTexts(medium), (QStringList{"Sansculottides", "An CCXXXIV"}));
    QVERIFY(medium.findChildren<EngravingThumbnail*>().isEmpty());
    const LargeWidgetView large(*entry, QString());
    QCOMPARE(labelTexts(large), (QStringList{"Sansculottides", "An CCXXXIV", "22 September 2026", "Quartidi"}));
    QVERIFY(large.findChildren<EngravingThumbnail*>().isEmpty());
}

void TestWidgetFaces::dayNumberDigitsHaveEqualWidth()
{
    // 1 Nivôse: one digit, no leading zero.
    const SmallWidgetView small(*entryAt(QStringLiteral("2026-12-23T09:00:00")));
    QCOMPARE(small.findChild<DayNumberLabel*>()->text(), QStringLiteral("1"));

    const QFont font = WidgetStyle::font(64, QFont::Light);
    const int narrow = DayNumberLabel(QStringLiteral("11"), font).sizeHint().width();
    QCOMPARE(DayNumberLabel(QStringLiteral("10"), font).sizeHint().width(), narrow);
    QCOMPARE(DayNumberLabel(QStringLiteral("28"), font).sizeHint().width(), narrow);
    QCOMPARE(DayNumberLabel(QStringLiteral("1"), font).sizeHint().width() * 2, narrow);
}

void TestWidgetFaces::engravingIsMultipliedOntoParchment()
{
    QTemporaryDir resources;
    const auto item = *DailyItems::item({235, 3, 15, 5});
    writePlate(resources.path(), item.imageName());
    EngravingThumbnail thumbnail(item, 64, resources.path());
    QVERIFY(thumbnail.hasEngraving());
    const QImage drawn = grabbed(thumbnail);
    QVERIFY(near(drawn.pixelColor(16, 32), Qt::black));
    // White paper takes the parchment's tone.
    QVERIFY(near(drawn.pixelColor(48, 32), WidgetStyle::parchment()));
    // Nothing of the plate outside the rounded corner.
    QCOMPARE(drawn.pixelColor(0, 0).alpha(), 0);
}

void TestWidgetFaces::plateFrameSurvivesTheThumbnail_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("medium") << 52;
    QTest::newRow("large") << 64;
}

void TestWidgetFaces::plateFrameSurvivesTheThumbnail()
{
    // A real plate: its frame is a four-pixel rule near each edge of 512, under half a pixel here.
    QFETCH(int, size);
    const auto item = *DailyItems::item({235, 3, 15, 5});
    EngravingThumbnail thumbnail(item, size, QStringLiteral(QUINTAVAL_BUILD_RESOURCES));
    QVERIFY(thumbnail.hasEngraving());
    const QImage drawn = grabbed(thumbnail);
    // Along the middle of each side, the darkest pixel of the outer eighth is the frame's.
    const int paper = qGray(WidgetStyle::parchment().rgb());
    const QPoint middle(size / 2, size / 2);
    for (const QPoint inward : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        const QPoint edge = middle - inward * (size / 2) + QPoint(inward.x() < 0, inward.y() < 0) * -1;
        int darkest = 255;
        for (int step = 0; step < size / 8; ++step) {
            darkest = std::min(darkest, qGray(drawn.pixel(edge + inward * step)));
        }
        QVERIFY2(darkest < paper - 30,
                 qPrintable(QStringLiteral("frame at %1 against paper %2").arg(darkest).arg(paper)));
    }
}

void TestWidgetFaces::missingEngravingLeavesParchment()
{
    QTemporaryDir emptyResources;
    const auto entry = entryAt(QStringLiteral("2026-12-07T10:40:00"));
    for (const QString& directory : {emptyResources.path(), QString()}) {
        LargeWidgetView large(*entry, directory);
        large.resize(WidgetKit::familySize(WidgetKit::WidgetFamily::large));
        large.show();
        auto* thumbnail = large.findChild<EngravingThumbnail*>();
        QVERIFY(!thumbnail->hasEngraving());
        const QImage square = grabbed(*thumbnail);
        QCOMPARE(square.size(), QSize(64, 64));
        for (const QPoint point : {QPoint(32, 32), QPoint(8, 8), QPoint(56, 56), QPoint(32, 2)}) {
            QVERIFY(near(square.pixelColor(point), WidgetStyle::parchment()));
        }
        // The rest of the face is drawn as ever.
        QCOMPARE(labelTexts(large).size(), 7);
    }
}

void TestWidgetFaces::darkDesktopStillDrawsLight()
{
    // A dark desktop palette, and a host that reports the dark scheme.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, Qt::white);
    QApplication::setPalette(dark);
    QCOMPARE(FaceRenderer::schemeOfPalette(QApplication::palette()), WidgetKit::ColorScheme::dark);

    const auto configuration = QuintavalWidget().configuration(QString());
    QCOMPARE(FaceRenderer::effectiveScheme(configuration, WidgetKit::ColorScheme::dark), WidgetKit::ColorScheme::light);
    const auto entry = entryAt(QStringLiteral("2026-12-07T10:40:00"));
    const QImage face =
        FaceRenderer::render(configuration, WidgetKit::WidgetFamily::small, *entry, WidgetKit::ColorScheme::dark)
            .convertToFormat(QImage::Format_ARGB32);
    QApplication::setPalette(QPalette());

    QCOMPARE(face.size(), QSize(170, 170));
    QVERIFY(near(face.pixelColor(150, 85), WidgetStyle::parchment()));
    // The corner outside the container's rounding stays clear.
    QCOMPARE(face.pixelColor(0, 0).alpha(), 0);
    // The month and year at the foot are drawn in dark ink: no light text on the parchment.
    int darkest = 255;
    int lightest = 0;
    for (int y = 110; y < 160; ++y) {
        for (int x = 16; x < 110; ++x) {
            darkest = std::min(darkest, qGray(face.pixel(x, y)));
            lightest = std::max(lightest, qGray(face.pixel(x, y)));
        }
    }
    QVERIFY2(darkest < 60, qPrintable(QString::number(darkest)));
    QVERIFY2(lightest <= qGray(WidgetStyle::parchment().rgb()) + 2, qPrintable(QString::number(lightest)));
}

QTEST_MAIN(TestWidgetFaces)
#include "TestWidgetFaces.moc"
