// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <optional>

// The part of a screen the desktop leaves to windows, for desktops that tell it in their own way
// rather than through what Qt reports.
class WorkArea
{
public:
    virtual ~WorkArea() = default;

    // The area windows may use on the screen of geometry `screen` (logical coordinates); none when
    // this desktop says nothing of it.
    virtual std::optional<QRect> available(const QRect& screen) const = 0;
};
