// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// The desktop's light or dark preference, followed live.
class ColorScheme : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~ColorScheme() override = default;

    // Whether the desktop asks applications for dark colours; false where it says nothing.
    virtual bool prefersDark() const = 0;

Q_SIGNALS:
    // The preference may have changed.
    void changed();
};
