// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The checks a file in QSettings' format passes before QSettings is let near it, shared by the
// settings and the widget placements. QSettings reads whatever it can of a damaged file and
// writes only that back, takes seconds and a great deal of memory over a huge one, and blocks for
// good opening a FIFO; so a file is held to the size and the syntax QSettings writes, and must be
// a regular file. The check runs at start and again before every save, since a file can be
// damaged while the program runs.
class SettingsFileCheck final
{
public:
    // Larger files are not settings a program of ours wrote.
    static constexpr qint64 maximumFileSize = 1024 * 1024;

    enum class Verdict {
        usable,     // absent (nothing stored yet) or well-formed
        unreadable, // exists but cannot be read, or is no regular file: leave it alone
        damaged,    // readable but not what QSettings writes: move it aside before saving
    };

    struct Result
    {
        Verdict verdict = Verdict::usable;
        QString reason; // why it is not usable, for a message
    };

    // `ownKeys` belong in [General]; held anywhere else they are a sign of damage.
    static Result inspect(const QString& fileName, const QStringList& ownKeys = {});

    // Moves a damaged file aside to <name>.broken-<date>[-n], beside it, for whoever wants to look
    // into it. The new name, or none when it could not be moved.
    static std::optional<QString> moveAside(const QString& fileName);
};
