// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SystemRandomSource.h"

#include <QRandomGenerator>

std::uint32_t SystemRandomSource::below(std::uint32_t bound)
{
    return QRandomGenerator::global()->bounded(bound);
}
