#include "app/platform/SystemModifierKeys.h"

#include <QGuiApplication>

bool SystemModifierKeys::isAltHeld() const
{
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
}
