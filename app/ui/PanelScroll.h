// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScrollArea>

class QScrollBar;

// The panel's middle sections, scrolled when the screen leaves less room than they ask for (a
// small screen, a large scale or font): as tall as its content up to the room it is given, so the
// date above and the controls below always stay in sight.
class PanelScroll final : public QScrollArea
{
    Q_OBJECT

public:
    explicit PanelScroll(QWidget* content, QWidget* parent = nullptr);

    // The most it may take; no limit by default.
    void setHeightLimit(int height);
    int heightLimit() const { return m_heightLimit; }
    // True while the content is taller than the room it has.
    bool scrolls() const;
    // Lays the content out now and asks for its new height, rather than at the next turn of the
    // event loop: a section shown or hidden changes the panel's height at once.
    void fitContent();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int contentHeight() const;
    void placeBar();

    int m_heightLimit = QWIDGETSIZE_MAX;
    // Drawn over the content's right margin rather than beside it: the sections keep the panel's
    // whole width whether or not they scroll.
    QScrollBar* m_bar;
};
