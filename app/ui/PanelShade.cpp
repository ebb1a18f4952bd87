// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/PanelShade.h"

#include "app/platform/PointerLocator.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

// sway shows the pointer to a surface only once it has mapped it, a frame or two after the X
// server did, and not while the button that clicked the bar is still held (the bar activates its
// items on the press): it is asked again until the pointer moves onto the cover, for a second at
// most.
constexpr int askEveryMs = 20;
constexpr int asksAtMost = 50;
// Once the cover is gone, the surface under the pointer (the bar, most often) has to be shown the
// pointer again, or it takes no click before the pointer moves; sway unmaps the cover some time
// after the X server did.
constexpr int returnPointerAfterMs[] = {30, 100, 250};

} // namespace

PanelShade::PanelShade(PointerLocator& pointer)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint |
                           Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      m_pointer(pointer)
{
    setObjectName(QStringLiteral("panelShade"));
    // Not the panel's title: tools looking for the panel by its name must not find the cover.
    setWindowTitle(QStringLiteral("Quintaval cover"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_asking.setInterval(askEveryMs);
    connect(&m_asking, &QTimer::timeout, this, &PanelShade::askForPointer);
}

bool PanelShade::canLocatePointer() const
{
    return m_pointer.canLocate();
}

void PanelShade::cover()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->virtualGeometry());
    }
    show();
}

void PanelShade::locatePointer(std::function<void(std::optional<QPoint>)> located)
{
    m_located = std::move(located);
    m_asked = 0;
    m_answered = false;
    // Put first where no status item is, the X server's pointer shows sway's answer as a change even
    // when the pointer has not left the item since the last time. The pointer is still over the
    // bar, not over one of our windows, so this moves nothing but the X server's idea of it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_parkedPointer = screen ? screen->virtualGeometry().center() : QPoint();
    QCursor::setPos(m_parkedPointer);
    cover();
    // From the event loop, once the cover's window is mapped.
    m_asking.start();
}

void PanelShade::askForPointer()
{
    // Shown the cover, the pointer is no longer where we put it.
    const QPoint pointer = QCursor::pos();
    if (m_answered && pointer != m_parkedPointer) {
        located(pointer);
        return;
    }
    if (m_asked >= asksAtMost) {
        located(std::nullopt);
        return;
    }
    ++m_asked;
    m_answered = m_pointer.reveal() || m_answered;
    if (!m_answered) {
        located(std::nullopt);
    }
}

void PanelShade::located(std::optional<QPoint> pointer)
{
    m_asking.stop();
    if (auto callback = std::exchange(m_located, nullptr)) {
        callback(pointer);
    }
}

void PanelShade::settlePointer(QPoint at)
{
    // A step towards the screen's middle and back, so that neither is lost against an edge.
    const int step = at.x() > geometry().center().x() ? -1 : 1;
    m_pointer.nudge(step);
}

void PanelShade::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT pressed();
    event->accept();
}

void PanelShade::hideEvent(QHideEvent* event)
{
    m_asking.stop();
    m_located = nullptr;
    for (const int delay : returnPointerAfterMs) {
        QTimer::singleShot(delay, this, [this] {
            if (isHidden()) {
                m_pointer.reveal();
            }
        });
    }
    QWidget::hideEvent(event);
}
