// SPDX-License-Identifier: GPL-3.0-or-later
// quintaval-play FILE VOLUME: the player the program starts for a sound, so that Qt Multimedia
// and GStreamer live only as long as the sound does. It loads FILE at once and plays it when a
// line "play VOLUME" comes on standard input. It answers "started", or "failed DESCRIPTION", on
// standard output, and leaves once the sound is over, after a failure, or when standard input
// closes: the program has gone, and its sound goes with it as it did while played in-process.

#include "app/platform/audio/MultimediaAudioPlayer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>

#include <unistd.h>

namespace {

void answer(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: quintaval-play FILE VOLUME\n", stderr);
        return 2;
    }
    const QString file = arguments.at(1);
    MultimediaAudioPlayer player;
    player.prepare(file, arguments.at(2).toFloat());

    // The player tells when a sound starts, not when it ends.
    QTimer over;
    over.setInterval(250);
    QObject::connect(&over, &QTimer::timeout, &application, [&player] {
        if (!player.isPlaying()) {
            QCoreApplication::exit(0);
        }
    });
    QObject::connect(&player, &MultimediaAudioPlayer::started, &application, [&over] {
        answer("started");
        over.start();
    });

    QByteArray input;
    QSocketNotifier commands(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, &application, [&] {
        char buffer[256];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            commands.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        input.append(buffer, count);
        for (qsizetype end = input.indexOf('\n'); end >= 0; end = input.indexOf('\n')) {
            const QByteArray line = input.left(end).trimmed();
            input.remove(0, end + 1);
            if (!line.startsWith("play ")) {
                continue;
            }
            player.play(file, line.mid(5).toFloat(), [](const QString& description) {
                answer("failed " + description.simplified().toUtf8());
                QCoreApplication::exit(1);
            });
        }
    });
    return QCoreApplication::exec();
}
