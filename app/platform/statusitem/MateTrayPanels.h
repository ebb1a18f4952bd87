// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

// Whether MATE's notification area sits on a vertical panel, read from the panel's own settings
// (GSettings, the store the panel itself keeps them in) and followed while they change. MATE
// draws an item's label in place of its icon, so on a panel a few dozen pixels wide the label's
// start, the month's symbol, is cut off first.
class MateTrayPanels final : public QObject
{
    Q_OBJECT

public:
    explicit MateTrayPanels(QObject* parent = nullptr);
    ~MateTrayPanels() override;

    // False where MATE's panel settings are not installed or hold no notification area.
    bool onVerticalPanel() const { return m_vertical; }

Q_SIGNALS:
    void changed();

private:
    void read();

    struct Watched;
    std::unique_ptr<Watched> m_watched;
    bool m_vertical = false;
};
