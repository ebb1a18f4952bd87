// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DropDown.h"

#include "app/platform/InputFocus.h"
#include "app/platform/PointerLocator.h"
#include "app/platform/WorkArea.h"
#include "app/ui/PanelPlacement.h"
#include "app/ui/PanelShade.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>

namespace {
// How soon after the panel closed or opened an activation counts as part of the gesture that did
// it: the click that closed it, or the other half of the double click that opened it.
constexpr qint64 sameGestureMilliseconds = 250;
constexpr qint64 focusSettleMilliseconds = 400;
// How long the panel keeps asking for the pointer or the keyboard: a second, at most.
constexpr int grabTries = 20;
constexpr std::chrono::milliseconds grabRetry{50};

// In an X11 session a pop-up grabs the keyboard and the pointer, so it has the focus and sees the
// click outside. Under XWayland the grab fails whenever the compositor's own bar was clicked, and
// a window the compositor manages goes where the compositor likes (sway centres it). So there the
// panel is an ordinary, frameless window that bypasses the window manager, which keeps it where we
// put it. Its X focus would not hold (sway's window manager takes back focus it did not give), so
// it takes the keyboard by a grab, and closes when the focus goes or the cover laid under it is
// clicked.
Qt::WindowFlags dropDownFlags()
{
    if (PanelPlacement::pointerFollowsClicks() || QGuiApplication::platformName() != QStringLiteral("xcb")) {
        return Qt::Popup;
    }
    return Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint;
}
} // namespace

DropDown::DropDown(QWidget& window, Services services, QObject* parent)
    : QObject(parent), m_window(window), m_services(services)
{
    m_window.setWindowFlags(dropDownFlags());
    m_window.installEventFilter(this);
    // GNOME Shell under Wayland, like sway, keeps the clicks on its bar and background from the X
    // server: there too the cover takes the click outside (without sway's socket it only covers).
    if (!PanelPlacement::pointerFollowsClicks() && QGuiApplication::platformName() == QStringLiteral("xcb") &&
        (services.pointer.canLocate() || PanelPlacement::underGnomeShell())) {
        m_shade = std::make_unique<PanelShade>(services.pointer);
        connect(m_shade.get(), &PanelShade::pressed, &m_window, &QWidget::hide);
    }
}

DropDown::~DropDown()
{
    // The window may hide as it goes, after the cover: that is not for the filter to see.
    m_window.removeEventFilter(this);
}

bool DropDown::isDropDown() const
{
    const Qt::WindowFlags flags = dropDownFlags();
    return (m_window.windowFlags() & flags) == flags;
}

void DropDown::showAt(QPoint anchor)
{
    if (!isDropDown()) {
        m_window.setWindowFlags(dropDownFlags());
    }
    Q_EMIT aboutToShow();
    // Asked at each opening: bars come, go and move.
    QScreen* screen = QGuiApplication::screenAt(anchor);
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    m_available = screen ? availableOn(*screen) : QRect(anchor, m_window.size());
    // The content fits itself to the room before it is measured: a panel taller than the screen
    // would cover the bar it hangs from.
    Q_EMIT roomChanged(m_available.size());
    // The final height on the first opening too, before it is used to keep the panel off a bar.
    m_window.ensurePolished();
    if (m_window.layout()) {
        m_window.layout()->activate();
    }
    m_window.adjustSize();
    m_anchor = anchor;
    m_hasAnchor = true;
    placeOnScreen();
    m_window.show();
    // Once shown its frame is known (a drop-down has none on most desktops).
    placeOnScreen();
    m_window.raise();
    m_window.activateWindow();
    m_window.setFocus(Qt::PopupFocusReason);
    holdGrab(grabTries);
    // Within the moments whose focus changes the panel ignores.
    if (m_window.windowType() != Qt::Popup && PanelPlacement::underGnomeShell()) {
        for (const int delay : {100, 250}) {
            QTimer::singleShot(delay, this, [this] { m_services.inputFocus.retake(m_window.windowHandle()); });
        }
    }
}

// The pop-up sees a click outside only while it holds the pointer. Its grab, made as it maps,
// fails when the bar still holds the pointer from the click that opened it (XFCE's tray does, now
// and then), and Qt does not try again: so we do, until the grab holds or the panel closes. The
// window kind used under XWayland holds the keyboard the same way.
void DropDown::holdGrab(int triesLeft)
{
    QWindow* window = m_window.windowHandle();
    if (!m_window.isVisible() || !window || triesLeft <= 0) {
        return;
    }
    const bool held =
        m_window.windowType() == Qt::Popup ? window->setMouseGrabEnabled(true) : window->setKeyboardGrabEnabled(true);
    if (!held) {
        QTimer::singleShot(grabRetry, this, [this, triesLeft] { holdGrab(triesLeft - 1); });
    }
}

void DropDown::toggleAt(QPoint anchor)
{
    if (m_window.isVisible()) {
        // A status bar that is slow to tell a double click from two clicks (GNOME's extension,
        // busy) activates twice at once: the panel would open and close at the same moment.
        if (!m_sinceShown.isValid() || m_sinceShown.elapsed() >= sameGestureMilliseconds) {
            m_window.hide();
        }
        return;
    }
    if (m_sinceHidden.isValid() && m_sinceHidden.elapsed() < sameGestureMilliseconds) {
        return;
    }
    showAt(anchor);
}

void DropDown::openUnderClick(std::optional<QPoint> hint, bool toggle)
{
    const auto open = [this, hint, toggle](std::optional<QPoint> pointer) {
        present(anchorFor(hint.value_or(pointer.value_or(QCursor::pos())), pointer), toggle);
    };
    // Only sway says where the pointer is; GNOME's extension sends the click's place itself.
    if (!m_window.isVisible() && m_shade && m_shade->canLocatePointer()) {
        m_shade->locatePointer(open);
    } else {
        open(std::nullopt);
    }
}

void DropDown::reopen()
{
    // Asked from the bar itself: a Plasma panel's applet opens the panel by starting the program,
    // and the pointer is still on the applet, in the room the bar keeps for itself.
    if (PanelPlacement::pointerFollowsClicks()) {
        const QPoint pointer = QCursor::pos();
        if (const QScreen* screen = QGuiApplication::screenAt(pointer);
            screen && !availableOn(*screen).contains(pointer)) {
            present(anchorFor(pointer, pointer), false);
            return;
        }
    }
    if (m_hasAnchor) {
        present(m_anchor, false);
        return;
    }
    // Never clicked yet: under the top right corner, where status bars keep their items.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    present(QPoint(available.right() - 200, available.top()), false);
}

void DropDown::present(QPoint anchor, bool toggle)
{
    // Mapped first, the cover lies under the drop-down.
    if (m_shade && !m_window.isVisible()) {
        m_shade->cover();
    }
    if (toggle) {
        toggleAt(anchor);
    } else {
        showAt(anchor);
    }
    if (m_shade && !m_window.isVisible()) {
        m_shade->hide();
    }
}

void DropDown::showAsWindow()
{
    if (isDropDown()) {
        m_window.setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    }
    Q_EMIT aboutToShow();
    if (const QScreen* screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen()) {
        // The window's frame and title bar take some of the room.
        constexpr int frameAllowance = 48;
        Q_EMIT roomChanged(availableOn(*screen).size() - QSize(0, frameAllowance));
    }
    m_window.adjustSize();
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

QPoint DropDown::anchorFor(QPoint hint, std::optional<QPoint> knownPointer) const
{
    // Read now: by the time the panel shows, the pointer may have moved on.
    const QPoint pointer = knownPointer.value_or(QCursor::pos());
    const bool pointerReliable = knownPointer.has_value() || PanelPlacement::pointerFollowsClicks();
    QScreen* screen = QGuiApplication::screenAt(pointerReliable ? pointer : hint);
    if (!screen) {
        screen = QGuiApplication::screenAt(pointer);
    }
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    if (!screen) {
        return pointer;
    }
    const QRect available = availableOn(*screen);
    return PanelPlacement::anchor(hint, pointer, pointerReliable, screen->geometry(), available);
}

QRect DropDown::availableOn(const QScreen& screen) const
{
    // The desktop's own word first: with several monitors under X11, or XWayland on sway, Qt takes
    // the whole screen for available.
    return m_services.workArea.available(screen.geometry()).value_or(screen.availableGeometry());
}

void DropDown::placeOnScreen()
{
    m_window.move(PanelPlacement::topLeft(m_anchor, m_window.frameGeometry().size(), m_available));
}

bool DropDown::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Show:
        m_sinceShown.start();
        break;
    case QEvent::Hide:
        m_sinceHidden.start();
        // The cover goes with the drop-down, whatever closed it.
        if (m_shade) {
            m_shade->hide();
        }
        break;
    case QEvent::Enter:
        if (m_shade && m_shade->isVisible()) {
            m_shade->settlePointer(static_cast<QEnterEvent*>(event)->globalPosition().toPoint());
        }
        break;
    case QEvent::Resize:
        // The layout may settle a pixel taller after the first showing (fonts, styles): a drop-down
        // opening upwards would then cover the top row of a bottom bar.
        if (m_window.isVisible() && isDropDown()) {
            placeOnScreen();
        }
        break;
    case QEvent::ActivationChange:
        // A pop-up sees the click outside by itself; the window kind used under XWayland sees it as
        // the loss of the focus. Compositors may hand the focus around once while a window maps;
        // only a loss after that is the user's click elsewhere.
        if (m_window.isVisible() && !m_window.isActiveWindow() && isDropDown() && m_window.windowType() != Qt::Popup &&
            m_sinceShown.isValid() && m_sinceShown.elapsed() > focusSettleMilliseconds) {
            m_window.hide();
        }
        break;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && isDropDown()) {
            m_window.hide();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
