// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgethost/WidgetHost.h"

#include "widgethost/FaceRenderer.h"

#include <QApplication>
#include <QScreen>
#include <QUuid>

#include <algorithm>

namespace {

constexpr int screenMargin = 24;
constexpr int storeDelayMilliseconds = 500;

// The place nearest to `area` where all of it is seen, on the screen that shows most of it; none
// when no screen shows any of it.
std::optional<QPoint> keptOnScreen(const QRect& area)
{
    const QScreen* best = nullptr;
    qint64 bestOverlap = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect overlap = screen->availableGeometry().intersected(area);
        const qint64 size = qint64(overlap.width()) * overlap.height();
        if (size > bestOverlap) {
            best = screen;
            bestOverlap = size;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    const QRect available = best->availableGeometry();
    return QPoint(
        std::clamp(area.x(), available.left(), std::max(available.left(), available.right() + 1 - area.width())),
        std::clamp(area.y(), available.top(), std::max(available.top(), available.bottom() + 1 - area.height())));
}

} // namespace

WidgetHost::WidgetHost(QList<WidgetKit::WidgetConfiguration> widgets, QStringList problems, PlacementStore& store,
                       HostClock& clock, QObject* parent)
    : QObject(parent), m_widgets(std::move(widgets)), m_problems(std::move(problems)), m_store(store), m_clock(clock),
      m_desktopScheme(FaceRenderer::schemeOfPalette(QApplication::palette()))
{
    m_storeTimer.setSingleShot(true);
    m_storeTimer.setInterval(storeDelayMilliseconds);
    connect(&m_storeTimer, &QTimer::timeout, this, &WidgetHost::store);
    qApp->installEventFilter(this);
}

WidgetHost::~WidgetHost()
{
    if (m_storeTimer.isActive()) {
        store();
    }
    for (const auto& window : std::as_const(m_windows)) {
        delete window.data();
    }
    delete m_gallery.data();
}

void WidgetHost::start()
{
    m_placements = m_store.load();
    bool changed = false;
    for (Placement& placement : m_placements) {
        const auto* widget = configuration(placement.kind);
        // A widget whose plug-in is missing stays stored for when it is back.
        if (!widget || !widget->supportedFamilies.contains(placement.family)) {
            continue;
        }
        const auto seen = placement.position
                              ? keptOnScreen(QRect(*placement.position, WidgetKit::familySize(placement.family)))
                              : std::nullopt;
        if (seen != placement.position) {
            placement.position = seen ? *seen : freePosition(placement.family);
            changed = true;
        }
        open(placement);
    }
    if (changed) {
        store();
    }
    if (m_windows.isEmpty()) {
        showGallery();
    }
}

void WidgetHost::showGallery()
{
    if (!m_gallery) {
        m_gallery = new GalleryWindow(m_widgets, m_problems, m_clock.now());
        m_gallery->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_gallery, &GalleryWindow::addRequested, this, &WidgetHost::addWidget);
        connect(m_gallery, &QObject::destroyed, this, &WidgetHost::quitWhenNothingIsLeft, Qt::QueuedConnection);
    }
    m_gallery->show();
    m_gallery->raise();
    m_gallery->activateWindow();
}

bool WidgetHost::addWidget(const QString& kind, WidgetKit::WidgetFamily family)
{
    const auto* widget = configuration(kind);
    if (!widget || !widget->supportedFamilies.contains(family)) {
        return false;
    }
    const Placement placement{QUuid::createUuid().toString(QUuid::WithoutBraces), kind, family, freePosition(family)};
    m_placements << placement;
    open(placement);
    store();
    return true;
}

void WidgetHost::removeWidget(const QString& placementId)
{
    m_placements.removeIf([&](const Placement& placement) { return placement.id == placementId; });
    m_windows.removeIf([&](const QPointer<WidgetWindow>& window) {
        if (window && window->placementId() == placementId) {
            window->close();
            return true;
        }
        return !window;
    });
    store();
    quitWhenNothingIsLeft();
}

QList<WidgetWindow*> WidgetHost::windows() const
{
    QList<WidgetWindow*> open;
    for (const auto& window : m_windows) {
        if (window) {
            open << window.data();
        }
    }
    return open;
}

bool WidgetHost::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange) {
        m_desktopScheme = FaceRenderer::schemeOfPalette(QApplication::palette());
        for (WidgetWindow* window : windows()) {
            window->setDesktopScheme(m_desktopScheme);
        }
    }
    return QObject::eventFilter(watched, event);
}

const WidgetKit::WidgetConfiguration* WidgetHost::configuration(const QString& kind) const
{
    const auto found = std::find_if(m_widgets.begin(), m_widgets.end(), [&](const auto& w) { return w.kind == kind; });
    return found == m_widgets.end() ? nullptr : &*found;
}

WidgetWindow* WidgetHost::open(const Placement& placement)
{
    auto* window =
        new WidgetWindow(placement.id, *configuration(placement.kind), placement.family, m_clock, m_desktopScheme);
    window->move(placement.position.value_or(freePosition(placement.family)));
    connect(window, &WidgetWindow::moved, this, &WidgetHost::moved);
    connect(window, &WidgetWindow::removeRequested, this, &WidgetHost::removeWidget);
    connect(window, &WidgetWindow::galleryRequested, this, &WidgetHost::showGallery);
    m_windows.removeIf([](const QPointer<WidgetWindow>& w) { return w.isNull(); });
    m_windows << window;
    window->show();
    return window;
}

QPoint WidgetHost::freePosition(WidgetKit::WidgetFamily family) const
{
    // Down the right-hand side of the primary screen, column by column towards the left, next to
    // the widgets already there; never off the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size = WidgetKit::familySize(family);
    const int left = available.left() + screenMargin;
    const int top = available.top() + screenMargin;
    const int right = std::max(left, available.right() + 1 - screenMargin - size.width());
    const int bottom = std::max(top, available.bottom() + 1 - screenMargin - size.height());
    const auto taken = [&](const QPoint& candidate) {
        const QRect area(candidate, size);
        return std::any_of(m_placements.begin(), m_placements.end(), [&](const Placement& placed) {
            return placed.position && QRect(*placed.position, WidgetKit::familySize(placed.family)).intersects(area);
        });
    };
    for (int x = right; x >= left; x -= size.width() + screenMargin) {
        for (int y = top; y <= bottom; y += screenMargin) {
            if (!taken(QPoint(x, y))) {
                return QPoint(x, y);
            }
        }
    }
    // A full screen: stack the newcomer over the others, still where it can be seen.
    const int stacked = static_cast<int>(m_placements.size()) * screenMargin;
    return QPoint(right - stacked % std::max(1, right - left + 1), top + stacked % std::max(1, bottom - top + 1));
}

void WidgetHost::moved(const QString& placementId, const QPoint& position)
{
    for (Placement& placement : m_placements) {
        if (placement.id == placementId && placement.position != position) {
            placement.position = position;
            m_storeTimer.start();
        }
    }
}

void WidgetHost::store()
{
    m_storeTimer.stop();
    m_store.save(m_placements);
}

void WidgetHost::quitWhenNothingIsLeft()
{
    // Placed widgets are tool windows, which do not keep an application running by themselves.
    if (windows().isEmpty() && !m_gallery) {
        QCoreApplication::quit();
    }
}
