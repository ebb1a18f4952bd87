// SPDX-License-Identifier: GPL-3.0-or-later
// The host: loading plug-ins, keeping a widget's timeline, and the placed widgets.

#include "tests/support/ChildRun.h"
#include "tests/support/FakeClockChangeWatcher.h"
#include "tests/support/FakeHostClock.h"
#include "tests/support/FakeTimeZoneWatcher.h"
#include "widgethost/PlacementStore.h"
#include "widgethost/SystemHostClock.h"
#include "widgethost/TimelineKeeper.h"
#include "widgethost/WidgetHost.h"
#include "widgethost/WidgetPluginLoader.h"

#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

struct CountedEntry final : WidgetKit::TimelineEntry
{
    CountedEntry(QDateTime entryDate, int entryNumber)
        : WidgetKit::TimelineEntry(std::move(entryDate)), number(entryNumber)
    {}
    QString summary() const override { return QString::number(number); }
    int number;
};

// Answers every request with entries at the given offsets (seconds) from the request's
// instant, numbered from 1, and a reload after `reloadAfter` seconds; counts the requests.
class ScriptedProvider final : public WidgetKit::TimelineProvider
{
public:
    ScriptedProvider(QList<int> offsets, int reloadAfter) : m_offsets(std::move(offsets)), m_reloadAfter(reloadAfter) {}
    WidgetKit::EntryPointer placeholder(const WidgetKit::TimelineContext& context) const override
    {
        return std::make_shared<CountedEntry>(context.now, 0);
    }
    void getSnapshot(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::EntryPointer)> completion) const override
    {
        completion(placeholder(context));
    }
    void getTimeline(const WidgetKit::TimelineContext& context,
                     std::function<void(WidgetKit::Timeline)> completion) const override
    {
        ++requests;
        WidgetKit::Timeline timeline;
        for (int i = 0; i < m_offsets.size(); ++i) {
            timeline.entries.push_back(std::make_shared<CountedEntry>(context.now.addSecs(m_offsets[i]), i + 1));
        }
        timeline.policy = WidgetKit::ReloadPolicy::after(context.now.addSecs(m_reloadAfter));
        completion(std::move(timeline));
    }
    mutable int requests = 0;

private:
    QList<int> m_offsets;
    int m_reloadAfter;
};

WidgetKit::WidgetConfiguration scriptedWidget(std::shared_ptr<ScriptedProvider> provider)
{
    WidgetKit::WidgetConfiguration widget;
    widget.kind = QStringLiteral("Scripted");
    widget.displayName = QStringLiteral("Scripted");
    widget.supportedFamilies = {WidgetKit::WidgetFamily::small, WidgetKit::WidgetFamily::medium};
    widget.provider = std::move(provider);
    widget.makeView = [](const WidgetKit::TimelineEntry&, const WidgetKit::WidgetEnvironment&) { return new QWidget; };
    widget.containerBackground = Qt::white;
    return widget;
}

int shownNumber(const TimelineKeeper& keeper)
{
    return static_cast<const CountedEntry&>(*keeper.currentEntry()).number;
}

const QDateTime start = QDateTime::fromString(QStringLiteral("2026-12-07T23:59:00Z"), Qt::ISODate);

} // namespace

class TestWidgetHost final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loaderExplainsWhatItTurnsAway_data();
    void loaderExplainsWhatItTurnsAway();
    void loaderLoadsTheExtension();
    void entrySwitchesAtItsDate();
    void reloadsAtTheReloadDate();
    void reloadsAfterAClockJump();
    void systemClockIsToldAndRings();
    void placementsSurviveBadValues();
    void placedWidgetsAreRememberedAndRemoved();
    void placementsFileAsksForBoundedWindows_data();
    void placementsFileAsksForBoundedWindows();
    void placementsFileHasTheSettingsFileChecks_data();
    void placementsFileHasTheSettingsFileChecks();
    void placementsThatCannotBeSavedAreSaidOnce();
};

void TestWidgetHost::loaderExplainsWhatItTurnsAway_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("complaint");
    QTest::newRow("missing") << "missing"
                             << "does not exist";
    QTest::newRow("not a library") << "text"
                                   << "Cannot load widget plug-in";
    QTest::newRow("another kind of plug-in") << QStringLiteral(NOT_A_WIDGET_PLUGIN) << "is not a widget plug-in";
}

void TestWidgetHost::loaderExplainsWhatItTurnsAway()
{
    QFETCH(QString, file);
    QFETCH(QString, complaint);
    QTemporaryDir folder;
    QString path = file;
    if (file == QLatin1String("missing")) {
        path = folder.filePath(QStringLiteral("libGone.so"));
    } else if (file == QLatin1String("text")) {
        path = folder.filePath(QStringLiteral("libBroken.so"));
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is no library\n");
    }
    WidgetPluginLoader loader;
    QVERIFY(!loader.loadFile(path));
    QVERIFY(loader.widgets().isEmpty());
    QCOMPARE(loader.errors().size(), 1);
    QVERIFY2(loader.errors().front().contains(complaint), qPrintable(loader.errors().front()));
    QVERIFY(loader.errors().front().contains(path));

    // In a folder of their own, they leave the host with nothing to show, and it says so.
    if (file != QLatin1String("missing")) {
        QVERIFY(QFile::copy(path, folder.filePath(QStringLiteral("libCopy.so"))));
        WidgetPluginLoader folderLoader;
        folderLoader.loadDirectories({folder.path()});
        QVERIFY(folderLoader.widgets().isEmpty());
        QVERIFY(folderLoader.errors().last().startsWith(QStringLiteral("No widget plug-in found in")));
    }
}

void TestWidgetHost::loaderLoadsTheExtension()
{
    WidgetPluginLoader loader;
    QVERIFY2(loader.loadFile(QStringLiteral(WIDGET_EXTENSION)), qPrintable(loader.errors().join('\n')));
    QCOMPARE(loader.widgets().size(), 1);
    const auto& widget = loader.widgets().front();
    QCOMPARE(widget.kind, QStringLiteral("QuintavalWidget"));
    QCOMPARE(widget.displayName, QStringLiteral("Revolutionary Calendar"));
    QCOMPARE(widget.description, QStringLiteral("Display today's date in the French Revolutionary Calendar."));
    QCOMPARE(widget.supportedFamilies,
             (QList<WidgetKit::WidgetFamily>{WidgetKit::WidgetFamily::small, WidgetKit::WidgetFamily::medium,
                                             WidgetKit::WidgetFamily::large}));
    QCOMPARE(widget.forcedColorScheme, WidgetKit::ColorScheme::light);
    QCOMPARE(widget.containerBackground, QColor::fromRgbF(0.93f, 0.91f, 0.86f));

    // The same kind from a second file is not offered twice.
    QVERIFY(!loader.loadFile(QStringLiteral(WIDGET_EXTENSION)));
    QCOMPARE(loader.widgets().size(), 1);
}

void TestWidgetHost::entrySwitchesAtItsDate()
{
    FakeHostClock clock(start);
    auto provider = std::make_shared<ScriptedProvider>(QList<int>{-30, 60, 120}, 3600);
    TimelineKeeper keeper(scriptedWidget(provider), WidgetKit::WidgetFamily::small, clock);
    QSignalSpy switched(&keeper, &TimelineKeeper::entryChanged);
    keeper.start();
    QCOMPARE(shownNumber(keeper), 1);
    QCOMPARE(keeper.nextWakeUp(), start.addSecs(60));

    // A timer that fires early changes nothing and looks again later.
    clock.advance(59'999);
    switched.clear();
    keeper.wake();
    QCOMPARE(shownNumber(keeper), 1);
    QVERIFY(switched.isEmpty());
    QCOMPARE(keeper.nextWakeUp(), start.addSecs(60));

    clock.advance(1);
    keeper.wake();
    QCOMPARE(shownNumber(keeper), 2);
    QCOMPARE(switched.size(), 1);
    QCOMPARE(keeper.nextWakeUp(), start.addSecs(120));
    QCOMPARE(provider->requests, 1);

    // Left alone, keepers share the host's one alarm, set for the earliest of their dates; when
    // it comes, the keeper whose date it is switches and the alarm moves to the next date.
    auto soon = std::make_shared<ScriptedProvider>(QList<int>{0, 1}, 3600);
    TimelineKeeper timed(scriptedWidget(soon), WidgetKit::WidgetFamily::small, clock);
    timed.start();
    QCOMPARE(shownNumber(timed), 1);
    QCOMPARE(clock.alarm(), start.addSecs(61));
    clock.advance(999);
    QCOMPARE(shownNumber(timed), 1);
    clock.advance(1);
    QCOMPARE(shownNumber(timed), 2);
    QCOMPARE(shownNumber(keeper), 2);
    QCOMPARE(clock.alarm(), start.addSecs(120));
}

void TestWidgetHost::reloadsAtTheReloadDate()
{
    FakeHostClock clock(start);
    auto provider = std::make_shared<ScriptedProvider>(QList<int>{0, 600}, 60);
    TimelineKeeper keeper(scriptedWidget(provider), WidgetKit::WidgetFamily::small, clock);
    keeper.start();
    QCOMPARE(provider->requests, 1);
    QCOMPARE(keeper.nextWakeUp(), start.addSecs(60));
    clock.advance(60'000);
    keeper.wake();
    QCOMPARE(provider->requests, 2);
    QCOMPARE(keeper.currentEntry()->date, start.addSecs(60));

    // A provider whose reload date has always passed is not asked again at once, in a loop,
    // but after a while.
    auto eager = std::make_shared<ScriptedProvider>(QList<int>{0}, 0);
    TimelineKeeper eagerKeeper(scriptedWidget(eager), WidgetKit::WidgetFamily::small, clock);
    eagerKeeper.start();
    QCOMPARE(eager->requests, 1);
    clock.advance(60'000);
    eagerKeeper.wake();
    QCOMPARE(eager->requests, 2);
}

void TestWidgetHost::reloadsAfterAClockJump()
{
    FakeHostClock clock(start);
    auto provider = std::make_shared<ScriptedProvider>(QList<int>{0}, 86400);
    TimelineKeeper keeper(scriptedWidget(provider), WidgetKit::WidgetFamily::small, clock);
    keeper.start();

    // Time passing asks for nothing before the reload date.
    clock.advance(15000);
    QCOMPARE(provider->requests, 1);

    // The machine slept for an hour.
    clock.jump(3600 * 1000);
    QCOMPARE(provider->requests, 2);
    QCOMPARE(keeper.currentEntry()->date, clock.now());

    // Someone set the clock back a day.
    clock.jump(-86400 * 1000);
    QCOMPARE(provider->requests, 3);

    clock.reportZoneChange();
    QCOMPARE(provider->requests, 4);
}

// The host's real clock: told of clock sets, resumes and zone changes by the one watcher of each
// it is given, and ringing once at the earliest instant asked for, on the wall clock.
void TestWidgetHost::systemClockIsToldAndRings()
{
    FakeClockChangeWatcher clockChanges;
    FakeTimeZoneWatcher zoneChanges;
    SystemHostClock clock(clockChanges, zoneChanges);
    QSignalSpy changed(&clock, &HostClock::changed);
    QSignalSpy due(&clock, &HostClock::due);
    clockChanges.reportChange();
    zoneChanges.reportChange();
    QCOMPARE(changed.size(), 2);

    const QObject later;
    const QObject sooner;
    const QDateTime asked = clock.now().addMSecs(200);
    clock.wakeAt(&later, asked.addSecs(3600));
    clock.wakeAt(&sooner, asked);
    QCOMPARE(clock.alarm(), asked);
    QVERIFY(due.wait(5000));
    QVERIFY(clock.now() >= asked);
    // The later waiter keeps its instant; once it asks for nothing, nothing rings again.
    QCOMPARE(clock.alarm(), asked.addSecs(3600));
    clock.wakeAt(&later, QDateTime());
    QVERIFY(!clock.alarm().isValid());
    QTest::qWait(300);
    QCOMPARE(due.size(), 1);
}

void TestWidgetHost::placementsSurviveBadValues()
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("widgets.conf")), QSettings::IniFormat);
    settings.beginWriteArray(QStringLiteral("placements"), 4);
    const QList<QStringList> rows{{"a", "QuintavalWidget", "medium", "100", "200"},
                                  {"b", "QuintavalWidget", "enormous", "0", "0"},
                                  {"c", "", "small", "0", "0"},
                                  {"d", "SomeoneElsesWidget", "small", "nowhere", "5"}};
    for (int i = 0; i < rows.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue("id", rows[i][0]);
        settings.setValue("kind", rows[i][1]);
        settings.setValue("family", rows[i][2]);
        settings.setValue("x", rows[i][3]);
        settings.setValue("y", rows[i][4]);
    }
    settings.endArray();
    settings.sync();

    PlacementStore store(settings.fileName());
    const QList<Placement> loaded = store.load();
    QCOMPARE(loaded.size(), 2);
    QCOMPARE(loaded[0], (Placement{"a", "QuintavalWidget", WidgetKit::WidgetFamily::medium, QPoint(100, 200)}));
    QCOMPARE(loaded[1], (Placement{"d", "SomeoneElsesWidget", WidgetKit::WidgetFamily::small, std::nullopt}));

    store.save(loaded);
    QCOMPARE(PlacementStore(folder.filePath(QStringLiteral("widgets.conf"))).load(), loaded);
}

void TestWidgetHost::placedWidgetsAreRememberedAndRemoved()
{
    QTemporaryDir folder;
    PlacementStore store(folder.filePath(QStringLiteral("widgets.conf")));
    store.save({{"elsewhere", "MissingWidget", WidgetKit::WidgetFamily::large, QPoint(5, 5)}});
    FakeHostClock clock(start);
    const auto widget = scriptedWidget(std::make_shared<ScriptedProvider>(QList<int>{0}, 3600));

    QString placedId;
    {
        WidgetHost host({widget}, {}, store, clock);
        host.start();
        // Nothing of ours placed yet: the gallery opens.
        QVERIFY(host.gallery() && host.gallery()->isVisible());
        QVERIFY(!host.addWidget(QStringLiteral("Scripted"), WidgetKit::WidgetFamily::large));
        QVERIFY(host.addWidget(QStringLiteral("Scripted"), WidgetKit::WidgetFamily::medium));
        QCOMPARE(host.windows().size(), 1);
        WidgetWindow* window = host.windows().front();
        placedId = window->placementId();
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlag(Qt::FramelessWindowHint));
        QVERIFY(flags.testFlag(Qt::WindowStaysOnBottomHint));
        QCOMPARE((flags & Qt::WindowType_Mask), Qt::Tool);
        QCOMPARE(window->size(), QSize(364, 170));
        window->move(40, 50);
        QTRY_COMPARE(window->pos(), QPoint(40, 50));
    }
    // Moving was stored on the way out; the other plug-in's widget is still on record.
    const QList<Placement> stored = store.load();
    QCOMPARE(stored.size(), 2);
    QCOMPARE(stored[1].id, placedId);
    QCOMPARE(stored[1].position, QPoint(40, 50));

    WidgetHost restarted({widget}, {}, store, clock);
    restarted.start();
    QCOMPARE(restarted.windows().size(), 1);
    QCOMPARE(restarted.windows().front()->placementId(), placedId);
    QCOMPARE(restarted.windows().front()->pos(), QPoint(40, 50));
    QVERIFY(!restarted.gallery());

    restarted.removeWidget(placedId);
    QVERIFY(restarted.windows().isEmpty());
    QCOMPARE(store.load().size(), 1);
    QCOMPARE(store.load().front().kind, QStringLiteral("MissingWidget"));
}

void TestWidgetHost::placementsFileAsksForBoundedWindows_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("windows");
    const auto entries = [](int count, bool sameId, const QByteArray& x) {
        QByteArray text("[placements]\n");
        for (int i = 1; i <= count; ++i) {
            const QByteArray index = QByteArray::number(i) + '\\';
            text += index + "id=" + (sameId ? QByteArray("same") : "w" + QByteArray::number(i)) + '\n' + index +
                    "kind=Scripted\n" + index + "family=small\n" + index + "x=" + x + '\n' + index +
                    "y=" + QByteArray::number(i * 40) + '\n';
        }
        return text + "size=" + QByteArray::number(count) + '\n';
    };
    QTest::newRow("a count of two billion") << QByteArray("[placements]\n1\\id=a\n1\\kind=Scripted\n1\\family=small\n"
                                                          "size=2000000000\n")
                                            << 1;
    QTest::newRow("one id two hundred times") << entries(200, true, "-5000") << 1;
    QTest::newRow("two hundred widgets") << entries(200, false, "100") << PlacementStore::maximumCount;
    QTest::newRow("far away") << entries(3, false, "2147483000") << 3;
}

// Each placement becomes a window, so a damaged or hostile file must not ask for endless work,
// windows that cannot be told apart, or windows where nobody can see them.
void TestWidgetHost::placementsFileAsksForBoundedWindows()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, windows);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("widgets.conf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    PlacementStore store(path);
    FakeHostClock clock(start);
    const auto widget = scriptedWidget(std::make_shared<ScriptedProvider>(QList<int>{0}, 3600));

    QElapsedTimer elapsed;
    elapsed.start();
    WidgetHost host({widget}, {}, store, clock);
    host.start();
    QVERIFY(elapsed.elapsed() < 10000);
    QCOMPARE(host.windows().size(), windows);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const WidgetWindow* window : host.windows()) {
        QVERIFY2(screen.contains(window->frameGeometry()), qPrintable(QStringLiteral("%1,%2 off %3x%4")
                                                                          .arg(window->x())
                                                                          .arg(window->y())
                                                                          .arg(screen.width())
                                                                          .arg(screen.height())));
    }
}

void TestWidgetHost::placementsFileHasTheSettingsFileChecks_data()
{
    QTest::addColumn<QByteArray>("damage"); // after one placement; "fifo": a FIFO instead of the file
    QTest::addColumn<QString>("said");      // at the start
    QTest::addColumn<bool>("movedAside");   // at the first save; else left alone and not saved over
    QTest::newRow("a line of words") << QByteArray("just some words\n") << "cannot use the placements file" << true;
    QTest::newRow("54 MB") << QByteArray(54 * 1024 * 1024, ';') << "larger than" << true;
    QTest::newRow("a FIFO") << QByteArray("fifo") << "cannot read the placements file .*not a regular file" << false;
}

// The file was handed to QSettings unchecked: 54 MB took most of a second and 129 MB of memory,
// lines of junk went unsaid until a save dropped them, and a FIFO blocked the host's start.
void TestWidgetHost::placementsFileHasTheSettingsFileChecks()
{
    QFETCH(QByteArray, damage);
    QFETCH(QString, said);
    QFETCH(bool, movedAside);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("widgets.conf"));
    const QByteArray placed("[placements]\n1\\id=a\n1\\kind=Scripted\n1\\family=small\nsize=1\n");
    if (damage == "fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(placed + damage);
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(said));
    QElapsedTimer elapsed;
    elapsed.start();
    PlacementStore store(path);
    QCOMPARE(store.load(), QList<Placement>());
    QVERIFY(elapsed.elapsed() < 500);

    const QList<Placement> moved{{"b", "Scripted", WidgetKit::WidgetFamily::medium, QPoint(10, 20)}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(movedAside ? "moved the placements file" : "not saving"));
    store.save(moved);
    const QString aside = path + QStringLiteral(".broken-") + QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(QFileInfo::exists(aside), movedAside);
    QCOMPARE(PlacementStore(path).load(), movedAside ? moved : QList<Placement>());
}

// A save that failed (a full disk, a file made read-only) went unsaid, and the placements were lost.
void TestWidgetHost::placementsThatCannotBeSavedAreSaidOnce()
{
    QUINTAVAL_RUN_UNPRIVILEGED();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("widgets.conf"));
    PlacementStore store(path);
    const QList<Placement> placed{{"a", "Scripted", WidgetKit::WidgetFamily::small, QPoint(10, 20)}};
    store.save(placed);
    QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("cannot save the widget placements")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("placements")));
    store.save({{"a", "Scripted", WidgetKit::WidgetFamily::small, QPoint(30, 40)}});
    store.save({{"a", "Scripted", WidgetKit::WidgetFamily::small, QPoint(50, 60)}});
    QVERIFY(
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
}

QTEST_MAIN(TestWidgetHost)
#include "TestWidgetHost.moc"
