// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/platform/ColorScheme.h"
#include "app/platform/InputFocus.h"
#include "app/platform/PointerLocator.h"
#include "app/platform/WorkArea.h"

// A desktop that says nothing beyond what Qt reports: no work area of its own, no compositor to
// ask for the pointer. Counts the focus retakes asked of it.
class FakeWorkArea final : public WorkArea
{
public:
    std::optional<QRect> available(const QRect&) const override { return area; }
    std::optional<QRect> area;
};

class FakeInputFocus final : public InputFocus
{
public:
    void retake(QWindow*) override { ++retakes; }
    int retakes = 0;
};

class FakePointerLocator final : public PointerLocator
{
public:
    bool canLocate() const override { return false; }
    bool reveal() override { return false; }
    void nudge(int) override {}
};

// The desktop's colour preference, as the test sets it.
class FakeColorScheme final : public ColorScheme
{
public:
    bool prefersDark() const override { return m_dark; }
    void setDark(bool dark)
    {
        m_dark = dark;
        Q_EMIT changed();
    }

private:
    bool m_dark = false;
};
