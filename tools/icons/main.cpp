// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the application icon for the hicolor theme:
//   quintaval-icons ICON.svg OUTDIR SIZE... writes OUTDIR/<SIZE>x<SIZE>/apps/<name of ICON>.png
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: quintaval-icons ICON.svg OUTDIR SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quintaval-icons: %s is not a valid SVG file\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString name = QFileInfo(arguments.at(1)).completeBaseName() + QStringLiteral(".png");
    for (const QString& sizeText : arguments.mid(3)) {
        bool isNumber = false;
        const int size = sizeText.toInt(&isNumber);
        if (!isNumber || size < 1 || size > 4096) {
            std::fprintf(stderr, "quintaval-icons: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();

        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2)).arg(size);
        QSaveFile file(folder + QLatin1Char('/') + name);
        if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly) ||
            !image.convertToFormat(QImage::Format_ARGB32).save(&file, "PNG") || !file.commit()) {
            std::fprintf(stderr, "quintaval-icons: cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
