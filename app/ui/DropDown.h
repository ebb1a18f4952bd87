// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <memory>
#include <optional>

class InputFocus;
class PanelShade;
class PointerLocator;
class QScreen;
class QWidget;
class WorkArea;

// How the panel drops from the status item: its window kind in each session, where it hangs
// (PanelPlacement decides, told the desktop's work area), the grab that sees the click outside,
// the cover laid under it where the X server is blind beyond our windows, and the guard that keeps
// the click that closed it from opening it again. The panel's content knows nothing of this.
class DropDown final : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        const WorkArea& workArea;
        InputFocus& inputFocus;
        PointerLocator& pointer;
    };

    // Takes charge of `window`'s window kind, place and showing; `window` outlives this.
    DropDown(QWidget& window, Services services, QObject* parent = nullptr);
    ~DropDown() override;

    // As a drop-down hanging from `anchor` (a point on the bar's edge), kept on its screen.
    void showAt(QPoint anchor);
    // Opens it under the point, or closes it when it is open.
    void toggleAt(QPoint anchor);
    // For a click the status bar reports at `hint` (none: wherever the pointer is): finds the bar's
    // edge and opens the drop-down there, or closes it when `toggle` and it is open.
    void openUnderClick(std::optional<QPoint> hint, bool toggle);
    // Under the pointer when it is on a bar (an applet there asked), else where it was last
    // opened, or under the top right corner before the first click.
    void reopen();
    // As an ordinary window, for desktops with no status bar to hang it from.
    void showAsWindow();
    // Open (or ready to open) as the drop-down of the status item, not as a window.
    bool isDropDown() const;

Q_SIGNALS:
    // Before it is sized and shown, so that it is sized for what it will show.
    void aboutToShow();
    // The room the desktop leaves on the screen it opens on, before it is sized.
    void roomChanged(QSize available);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The point the drop-down hangs from for a click the status bar reports at `hint`, the pointer
    // at `pointer` when the desktop told where it is.
    QPoint anchorFor(QPoint hint, std::optional<QPoint> pointer) const;
    // Opens under `anchor` with the cover laid first, or closes when `toggle` and it is open.
    void present(QPoint anchor, bool toggle);
    // The room the desktop leaves windows on `screen`.
    QRect availableOn(const QScreen& screen) const;
    // Moves the window to hang from the anchor within the room left.
    void placeOnScreen();
    void holdGrab(int triesLeft);

    QWidget& m_window;
    Services m_services;
    // Only where the X server is blind beyond the program's windows (XWayland on sway and GNOME).
    std::unique_ptr<PanelShade> m_shade;
    // A click on the status item while the panel is open first closes it (a click outside a
    // drop-down); the activation that follows must not open it again.
    QElapsedTimer m_sinceHidden;
    QElapsedTimer m_sinceShown;
    // The point it hangs from, kept so that it stays there when its size changes.
    QPoint m_anchor;
    bool m_hasAnchor = false;
    // The room left on the anchor's screen, asked of the desktop at each opening.
    QRect m_available;
};
