#include "tests/support/CapturedStandardError.h"

#include <cstdio>
#include <unistd.h>

CapturedStandardError::CapturedStandardError()
{
    if (!m_file.open()) {
        return;
    }
    std::fflush(stderr);
    m_savedDescriptor = dup(STDERR_FILENO);
    dup2(m_file.handle(), STDERR_FILENO);
}

CapturedStandardError::~CapturedStandardError()
{
    if (m_savedDescriptor >= 0) {
        std::fflush(stderr);
        dup2(m_savedDescriptor, STDERR_FILENO);
        close(m_savedDescriptor);
    }
}

QString CapturedStandardError::text()
{
    std::fflush(stderr);
    QFile file(m_file.fileName());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
