// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/SystemModifierKeys.h"

#include <QGuiApplication>

bool SystemModifierKeys::isAltHeld() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}
