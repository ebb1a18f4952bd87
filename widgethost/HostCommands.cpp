// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/HostCommands.h"

#include "widgethost/FaceRenderer.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// Providers may answer at once or later, from any thread; a command waits this long at most.
constexpr int answerTimeoutMilliseconds = 10000;

template <typename Result>
std::optional<Result> awaitAnswer(const std::function<void(std::function<void(Result)>)>& ask)
{
    auto answer = std::make_shared<std::optional<Result>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    ask([answer, waiting, mainThread = QThread::currentThread()](Result result) {
        if (QThread::currentThread() == mainThread) {
            *answer = std::move(result);
            if (waiting) {
                waiting->quit();
            }
            return;
        }
        QMetaObject::invokeMethod(
            qApp,
            [answer, waiting, result = std::move(result)]() mutable {
                *answer = std::move(result);
                if (waiting) {
                    waiting->quit();
                }
            },
            Qt::QueuedConnection);
    });
    if (!answer->has_value()) {
        QTimer::singleShot(answerTimeoutMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return *answer;
}

const WidgetKit::WidgetConfiguration* chosenWidget(const QList<WidgetKit::WidgetConfiguration>& widgets,
                                                   const QString& kind, QTextStream& errors)
{
    if (widgets.isEmpty()) {
        errors << "No widget is available.\n";
        return nullptr;
    }
    if (kind.isEmpty()) {
        return &widgets.front();
    }
    const auto found = std::find_if(widgets.begin(), widgets.end(), [&](const auto& w) { return w.kind == kind; });
    if (found == widgets.end()) {
        errors << "No widget of kind \"" << kind << "\" is loaded.\n";
        return nullptr;
    }
    return &*found;
}

QDateTime presentOr(const QDateTime& at)
{
    return at.isValid() ? at.toUTC() : QDateTime::currentDateTimeUtc();
}

// The days the widgets show: from the first day of the Republican calendar to the last day an
// ISO 8601 date can name. A later day would print as an empty date and an earlier one as a
// made-up one, so the command is refused instead.
bool withinShownDays(const QDateTime& instant, const char* what, QTextStream& errors)
{
    const QDate first(1792, 9, 22);
    const QDate last(9999, 12, 31);
    const QDate day = instant.toLocalTime().date();
    if (day >= first && day <= last) {
        return true;
    }
    errors << what << " lies outside the days the widgets show, " << first.toString(Qt::ISODate) << " to "
           << last.toString(Qt::ISODate) << ".\n";
    return false;
}

} // namespace

namespace HostCommands {

int render(const QList<WidgetKit::WidgetConfiguration>& widgets, const Request& request, QTextStream& errors)
{
    const auto* widget = chosenWidget(widgets, request.kind, errors);
    if (!widget) {
        return 1;
    }
    const auto family = WidgetKit::familyFromName(request.family);
    if (!family || !widget->supportedFamilies.contains(*family)) {
        QStringList supported;
        for (const auto each : widget->supportedFamilies) {
            supported << WidgetKit::familyName(each);
        }
        errors << "\"" << request.family << "\" is not a size of " << widget->displayName
               << "; it comes in: " << supported.join(QStringLiteral(", ")) << ".\n";
        return 2;
    }
    if (request.outputPath.isEmpty()) {
        errors << "--render needs --out FILE.png.\n";
        return 2;
    }
    if (!withinShownDays(presentOr(request.at), request.at.isValid() ? "--at" : "The system clock", errors)) {
        return 2;
    }
    const WidgetKit::TimelineContext context{*family, WidgetKit::familySize(*family), false, presentOr(request.at)};
    const auto entry = awaitAnswer<WidgetKit::EntryPointer>(
        [&](std::function<void(WidgetKit::EntryPointer)> done) { widget->provider->getSnapshot(context, done); });
    if (!entry || !*entry) {
        errors << widget->displayName << " gave no entry to draw.\n";
        return 1;
    }
    const auto scheme = request.dark ? WidgetKit::ColorScheme::dark : WidgetKit::ColorScheme::light;
    const QImage face = FaceRenderer::render(*widget, *family, **entry, scheme);
    // Encoded first and written in one go with every step checked: QImage::save leaves the file's
    // last buffer to a close whose failure nobody sees, so a full disk gave an empty file and success.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QFile file(request.outputPath);
    if (!face.save(&encoded, "PNG") || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(encoded.data()) != encoded.size() || !file.flush()) {
        errors << "Cannot write " << request.outputPath << ": " << file.errorString() << ".\n";
        if (file.isOpen() && QFileInfo(file).isFile()) {
            file.remove();
        }
        return 1;
    }
    return 0;
}

int timeline(const QList<WidgetKit::WidgetConfiguration>& widgets, const Request& request, QTextStream& output,
             QTextStream& errors)
{
    const auto* widget = chosenWidget(widgets, request.kind, errors);
    if (!widget) {
        return 1;
    }
    if (!withinShownDays(presentOr(request.at), request.at.isValid() ? "--at" : "The system clock", errors)) {
        return 2;
    }
    const WidgetKit::WidgetFamily family = widget->supportedFamilies.front();
    const WidgetKit::TimelineContext context{family, WidgetKit::familySize(family), false, presentOr(request.at)};
    const auto timeline = awaitAnswer<WidgetKit::Timeline>(
        [&](std::function<void(WidgetKit::Timeline)> done) { widget->provider->getTimeline(context, done); });
    if (!timeline) {
        errors << widget->displayName << " gave no timeline.\n";
        return 1;
    }
    for (const auto& entry : timeline->entries) {
        if (!withinShownDays(entry->date, "The timeline's week", errors)) {
            return 2;
        }
    }
    switch (timeline->policy.kind) {
    case WidgetKit::ReloadPolicy::Kind::after:
        output << localIsoText(timeline->policy.date) << '\n';
        break;
    case WidgetKit::ReloadPolicy::Kind::atEnd:
        output << "atEnd\n";
        break;
    case WidgetKit::ReloadPolicy::Kind::never:
        output << "never\n";
        break;
    }
    for (const auto& entry : timeline->entries) {
        output << localIsoText(entry->date) << ' ' << entry->summary() << '\n';
    }
    return 0;
}

QString localIsoText(const QDateTime& dateTime)
{
    const QDateTime local = dateTime.toLocalTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace HostCommands
