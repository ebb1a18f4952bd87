// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/ProgramRun.h"

#include <QProcessEnvironment>
#include <QTest>

#include <optional>

#include <unistd.h>

// Runs the current test function and data row of this test program again in a child process:
// as the unprivileged user nobody (root passes every permission check, so file modes only show
// as another user), or with an environment of its own, such as a clock set by libfaketime.
namespace ChildRun {

// True in the child, which then does the test's real work.
bool inChild();

// The same test function and row in a child with `environment`, run through `wrapper` if given.
ProgramRun again(const QProcessEnvironment& environment, const QStringList& wrapper = {});

// As again(), as user nobody; none when setpriv is not installed.
std::optional<ProgramRun> againAsNobody(const QProcessEnvironment& environment);

// As again(), as the unprivileged user and group `id` (one the password database need not know),
// with `environment` as it is; none when setpriv is not installed.
std::optional<ProgramRun> againAsUser(int id, const QProcessEnvironment& environment);

// As again(), from `program`, a copy of this test program put somewhere else.
ProgramRun againFrom(const QString& program, const QProcessEnvironment& environment);

QString describe(const ProgramRun& run);

} // namespace ChildRun

// At the top of a test function whose cases need an unprivileged user: a run as root hands the
// function over to a child running as nobody and passes or fails with it.
#define QUINTAVAL_RUN_UNPRIVILEGED()                                                                                   \
    do {                                                                                                               \
        if (::geteuid() == 0 && !ChildRun::inChild()) {                                                                \
            const auto childRun = ChildRun::againAsNobody(QProcessEnvironment::systemEnvironment());                   \
            if (!childRun) {                                                                                           \
                QSKIP("setpriv is missing: permission cases must run as an unprivileged user");                        \
            }                                                                                                          \
            QVERIFY2(childRun->exitCode == 0, qPrintable(ChildRun::describe(*childRun)));                              \
            return;                                                                                                    \
        }                                                                                                              \
    } while (false)
