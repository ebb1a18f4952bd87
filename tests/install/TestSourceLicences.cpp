// SPDX-License-Identifier: GPL-3.0-or-later
// Every C++, CMake and script source of the repository, committed or new, opens with its licence,
// so that a file copied out of the tree still says under what terms.

#include "tests/support/ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

class TestSourceLicences final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySourceOpensWithItsLicence();
};

namespace {

const QByteArray identifier = QByteArrayLiteral("SPDX-License-Identifier: GPL-3.0-or-later");

// The line a source must open with, or nothing when the file is not a source of that kind. A
// script's line comes after its #! line.
std::optional<QByteArray> expectedLine(const QString& path, const QList<QByteArray>& lines)
{
    if (path.endsWith(QLatin1String(".cpp")) || path.endsWith(QLatin1String(".h"))) {
        return QByteArrayLiteral("// ") + identifier;
    }
    if (path.endsWith(QLatin1String(".cmake")) || path.endsWith(QLatin1String("CMakeLists.txt")) ||
        lines.value(0).startsWith("#!")) {
        return QByteArrayLiteral("# ") + identifier;
    }
    return std::nullopt;
}

} // namespace

void TestSourceLicences::everySourceOpensWithItsLicence()
{
    const QDir source(QStringLiteral(QUINTAVAL_SOURCE_DIR));
    if (!source.exists(QStringLiteral(".git"))) {
        QSKIP("the sources are not a git checkout");
    }
    QProcess git;
    git.setWorkingDirectory(source.path());
    git.start(QStringLiteral("git"), {QStringLiteral("ls-files"), QStringLiteral("--cached"),
                                      QStringLiteral("--others"), QStringLiteral("--exclude-standard")});
    const ProgramRun listed = finishRun(git);
    QVERIFY2(listed.exitCode == 0, qPrintable(listed.errors));

    QStringList unlicensed;
    int checked = 0;
    for (const QString& path : listed.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        QFile file(source.filePath(path));
        if (!file.open(QIODevice::ReadOnly)) {
            continue; // deleted from the working tree, not yet from the index
        }
        const QList<QByteArray> lines = file.read(4096).split('\n');
        const auto expected = expectedLine(path, lines);
        if (!expected) {
            continue;
        }
        ++checked;
        const int at = lines.value(0).startsWith("#!") ? 1 : 0;
        if (lines.value(at).trimmed() != *expected) {
            unlicensed << path;
        }
    }
    QVERIFY2(unlicensed.isEmpty(), qPrintable(QStringLiteral("no SPDX line first in: ") + unlicensed.join(u' ')));
    // The listing really reached the sources: the repository has hundreds.
    QVERIFY(checked > 100);
}

QTEST_GUILESS_MAIN(TestSourceLicences)
#include "TestSourceLicences.moc"
