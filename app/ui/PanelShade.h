// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class PointerLocator;

// A clear cover over the whole desktop, laid under the drop-down where X clients see neither the
// pointer nor any click beyond their own windows: under XWayland on sway, whose bars and
// background are its own surfaces. Lying over everything, it is the surface sway shows the
// pointer to, so the X server learns where the click on the status item was; and it takes the
// click outside that closes the panel (on the bar too, the item included).
class PanelShade final : public QWidget
{
    Q_OBJECT

public:
    // `pointer`: the compositor, asked to show the pointer to the cover.
    explicit PanelShade(PointerLocator& pointer);

    // Covers the desktop and, once sway has shown the pointer to the cover, calls `located` with
    // the pointer's place; with none when sway does not show it.
    void locatePointer(std::function<void(std::optional<QPoint>)> located);
    // Whether there is a compositor to ask.
    bool canLocatePointer() const;
    // Covers the desktop, leaving the pointer where the X server believes it is.
    void cover();
    // To be called as the pointer passes from the cover onto a window over it, at `at`. XWayland
    // (22.1) counts the last relative move of such a pass as a real one once more: the next click,
    // unless the pointer moves first, lands off by that distance, often on the cover. A step aside
    // and back through sway gives the server the true place again.
    void settlePointer(QPoint at);

Q_SIGNALS:
    // A click anywhere but on the windows mapped after the cover.
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void askForPointer();
    void located(std::optional<QPoint> pointer);

    PointerLocator& m_pointer;
    std::function<void(std::optional<QPoint>)> m_located;
    QTimer m_asking;
    QPoint m_parkedPointer;
    int m_asked = 0;
    bool m_answered = false;
};
