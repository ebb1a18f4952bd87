// SPDX-License-Identifier: GPL-3.0-or-later
// A second program for the single-instance tests: starts the guard on the socket given (or the
// user's own place when it is "-"), prints its role, and with --stay keeps serving as the first
// instance, printing each request. With --on-cue it prints "ready" once set up and starts the
// guard only when a line comes on standard input, so that a test can start several at one moment.

#include "common/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: singleinstance_probe SOCKET|- [--stay] [--on-cue]\n");
        return 2;
    }
    SingleInstance instance(QStringLiteral("quintaval"), QByteArrayLiteral("activate\n"),
                            arguments.at(1) == QLatin1String("-") ? QString() : arguments.at(1));
    QObject::connect(&instance, &SingleInstance::requested, &app, [] {
        std::printf("activated\n");
        std::fflush(stdout);
    });
    if (arguments.contains(QStringLiteral("--on-cue"))) {
        std::printf("ready\n");
        std::fflush(stdout);
        char cue[2];
        if (std::fgets(cue, sizeof cue, stdin) == nullptr) {
            return 2;
        }
    }
    const SingleInstance::Role role = instance.start();
    std::printf("%s\n", role == SingleInstance::Role::primary     ? "primary"
                        : role == SingleInstance::Role::secondary ? "secondary"
                                                                  : "refused");
    std::fflush(stdout);
    if (role == SingleInstance::Role::primary && arguments.contains(QStringLiteral("--stay"))) {
        return QCoreApplication::exec();
    }
    return role == SingleInstance::Role::primary ? 3 : role == SingleInstance::Role::secondary ? 0 : 1;
}
