// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/Clipboard.h"

// The clipboard of the display the program runs on (needs a QGuiApplication).
class SystemClipboard final : public Clipboard
{
public:
    void setText(const QString& text) override;
};
