// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/StandardOutputCapture.h"

#include <cstdio>
#include <cstdlib>

StandardOutputCapture::StandardOutputCapture(int descriptor) : m_descriptor(descriptor)
{
    std::fflush(nullptr);
    char name[] = "/tmp/quintaval-stdout-XXXXXX";
    m_file = mkstemp(name);
    unlink(name);
    m_savedOutput = dup(m_descriptor);
    dup2(m_file, m_descriptor);
}

StandardOutputCapture::~StandardOutputCapture()
{
    std::fflush(nullptr);
    dup2(m_savedOutput, m_descriptor);
    close(m_savedOutput);
    close(m_file);
}

QByteArray StandardOutputCapture::text() const
{
    std::fflush(nullptr);
    QByteArray captured;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t got = pread(m_file, buffer, sizeof buffer, at);
        if (got <= 0) {
            break;
        }
        captured.append(buffer, got);
        at += got;
    }
    return captured;
}
