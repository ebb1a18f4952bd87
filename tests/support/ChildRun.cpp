// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/ChildRun.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

const QString childMark = QStringLiteral("QUINTAVAL_TEST_CHILD");

QStringList currentCase()
{
    QString name = QString::fromLatin1(QTest::currentTestFunction());
    if (const char* tag = QTest::currentDataTag()) {
        name += QLatin1Char(':') + QString::fromLocal8Bit(tag);
    }
    return {QCoreApplication::applicationFilePath(), name};
}

ProgramRun run(QStringList command, const QProcessEnvironment& environment)
{
    QProcessEnvironment marked = environment;
    marked.insert(childMark, QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(marked);
    child.start(command.takeFirst(), command);
    return finishRun(child, 60000);
}

} // namespace

namespace ChildRun {

bool inChild()
{
    return qEnvironmentVariableIsSet("QUINTAVAL_TEST_CHILD");
}

ProgramRun again(const QProcessEnvironment& environment, const QStringList& wrapper)
{
    return run(wrapper + currentCase(), environment);
}

ProgramRun againFrom(const QString& program, const QProcessEnvironment& environment)
{
    return run(QStringList{program} + currentCase().mid(1), environment);
}

std::optional<ProgramRun> againAsUser(int id, const QProcessEnvironment& environment)
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty()) {
        return std::nullopt;
    }
    return again(environment, {setpriv, QStringLiteral("--reuid=%1").arg(id), QStringLiteral("--regid=%1").arg(id),
                               QStringLiteral("--clear-groups")});
}

std::optional<ProgramRun> againAsNobody(const QProcessEnvironment& environment)
{
    QProcessEnvironment unprivileged = environment;
    // Root's folders are out of reach; the child makes its own under the shared temporary folder.
    unprivileged.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    unprivileged.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    return againAsUser(65534, unprivileged);
}

QString describe(const ProgramRun& run)
{
    return QStringLiteral("child ended with %1\n%2%3").arg(run.exitCode).arg(run.output, run.errors);
}

} // namespace ChildRun
