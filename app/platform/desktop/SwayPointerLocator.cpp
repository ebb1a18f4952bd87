// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SwayPointerLocator.h"

#include "app/platform/desktop/SwayIpc.h"

bool SwayPointerLocator::reveal()
{
    return canLocate() && SwayIpc::runCommand(m_socketPath, QStringLiteral("seat - cursor move 0 0"));
}

void SwayPointerLocator::nudge(int step)
{
    if (canLocate()) {
        SwayIpc::runCommand(m_socketPath,
                            QStringLiteral("seat - cursor move %1 0, seat - cursor move %2 0").arg(step).arg(-step));
    }
}
