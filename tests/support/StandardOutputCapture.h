#pragma once

#include <QByteArray>

// Collects what the process writes to its standard output (file descriptor 1) while it lives.
class StandardOutputCapture final
{
public:
    StandardOutputCapture();
    ~StandardOutputCapture();
    StandardOutputCapture(const StandardOutputCapture&) = delete;
    StandardOutputCapture& operator=(const StandardOutputCapture&) = delete;

    // What was written so far.
    QByteArray text() const;

private:
    int m_savedOutput = -1;
    int m_file = -1;
};
