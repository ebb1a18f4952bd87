// SPDX-License-Identifier: GPL-3.0-or-later
// A second program for the single-instance tests: starts the guard on the socket given, prints
// its role, and with --stay keeps serving as the first instance, printing each activation.

#include "app/platform/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: singleinstance_probe SOCKET [--stay]\n");
        return 2;
    }
    SingleInstance instance(arguments.at(1));
    QObject::connect(&instance, &SingleInstance::activationRequested, [] {
        std::printf("activated\n");
        std::fflush(stdout);
    });
    const bool primary = instance.start() == SingleInstance::Role::primary;
    std::printf("%s\n", primary ? "primary" : "secondary");
    std::fflush(stdout);
    if (primary && arguments.contains(QStringLiteral("--stay"))) {
        return QCoreApplication::exec();
    }
    return primary ? 3 : 0;
}
