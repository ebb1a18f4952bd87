// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ProgramRun.h"

ProgramRun finishRun(QProcess& process, int timeoutMs)
{
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.exitStatus = process.exitStatus();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}
