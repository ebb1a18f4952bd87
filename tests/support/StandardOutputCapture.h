// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <unistd.h>

// Collects what the process writes to its standard output (or another descriptor, such as
// STDERR_FILENO) while it lives.
class StandardOutputCapture final
{
public:
    explicit StandardOutputCapture(int descriptor = STDOUT_FILENO);
    ~StandardOutputCapture();
    StandardOutputCapture(const StandardOutputCapture&) = delete;
    StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;

    // What was written so far.
    QByteArray text() const;

private:
    int m_descriptor;
    int m_savedOutput = -1;
    int m_file = -1;
};
