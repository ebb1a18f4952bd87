// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>

// What a program run to its end left behind.
struct ProgramRun
{
    int exitCode = -1;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    QString output;
    QString errors;
};

// Waits for a started process to end and collects what it wrote. A process still running after
// `timeoutMs` is killed and gives an empty run with exit code -1.
ProgramRun finishRun(QProcess& process, int timeoutMs = 30000);
