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

bool onSomeScreen(const QRect& area)
{
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersected(area).width() >= area.width() / 2 &&
               screen->availableGeometry().intersected(area).height() >= area.height() / 2;
    });
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
        const QRect area(placement.position.value_or(QPoint()), WidgetKit::familySize(placement.family));
        if (!placement.position || !onSomeScreen(area)) {
            placement.position = freePosition(placement.family);
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
    // Down the right-hand side of the primary screen, next to the widgets already there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize size = WidgetKit::familySize(family);
    QPoint candidate(available.right() - screenMargin - size.width(), available.top() + screenMargin);
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QRect area(candidate, size);
        const bool taken = std::any_of(m_placements.begin(), m_placements.end(), [&](const Placement& placed) {
            return placed.position && QRect(*placed.position, WidgetKit::familySize(placed.family)).intersects(area);
        });
        if (!taken) {
            return candidate;
        }
        candidate.ry() += screenMargin;
        if (candidate.y() + size.height() > available.bottom()) {
            candidate = QPoint(candidate.x() - size.width() - screenMargin, available.top() + screenMargin);
        }
    }
    return candidate;
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
