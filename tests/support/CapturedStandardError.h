#pragma once

#include <QString>
#include <QTemporaryFile>

// Sends what the process writes on standard error to a file for the life of the object, so a
// test can read the lines the code under test printed.
class CapturedStandardError final
{
public:
    CapturedStandardError();
    ~CapturedStandardError();
    CapturedStandardError(const CapturedStandardError&) = delete;
    CapturedStandardError& operator=(const CapturedStandardError&) = delete;

    // Everything written so far.
    QString text();

private:
    QTemporaryFile m_file;
    int m_savedDescriptor = -1;
};
