// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The desktop's clipboard.
class Clipboard
{
public:
    virtual ~Clipboard() = default;

    // Clears the clipboard, then puts `text` on it as plain text.
    virtual void setText(const QString& text) = 0;
};
