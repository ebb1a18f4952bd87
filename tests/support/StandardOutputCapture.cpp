#include "tests/support/StandardOutputCapture.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

StandardOutputCapture::StandardOutputCapture()
{
    std::fflush(stdout);
    char name[] = "/tmp/quintaval-stdout-XXXXXX";
    m_file = mkstemp(name);
    unlink(name);
    m_savedOutput = dup(STDOUT_FILENO);
    dup2(m_file, STDOUT_FILENO);
}

StandardOutputCapture::~StandardOutputCapture()
{
    std::fflush(stdout);
    dup2(m_savedOutput, STDOUT_FILENO);
    close(m_savedOutput);
    close(m_file);
}

QByteArray StandardOutputCapture::text() const
{
    std::fflush(stdout);
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
