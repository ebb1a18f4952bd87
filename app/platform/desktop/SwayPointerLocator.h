// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/PointerLocator.h"

#include <QString>

// sway's hold on the pointer, through its IPC socket: a relative move by nothing makes sway look
// again for the surface under the pointer and tell it where the pointer is.
class SwayPointerLocator final : public PointerLocator
{
public:
    // `socketPath`: sway's IPC socket ($SWAYSOCK); empty outside sway.
    explicit SwayPointerLocator(QString socketPath) : m_socketPath(std::move(socketPath)) {}

    bool canLocate() const override { return !m_socketPath.isEmpty(); }
    bool reveal() override;
    void nudge(int step) override;

private:
    QString m_socketPath;
};
