// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/audio/ApplicationBeep.h"

#include <QApplication>

#include <cstdio>

void ApplicationBeep::beep()
{
    // QApplication::beep() needs a GUI platform; a program without one rings the terminal.
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::beep();
    } else {
        std::fputc('\a', stderr);
    }
}
