// SPDX-License-Identifier: GPL-3.0-or-later
// Generates the 360 engraving plates, one per day item, named by the item's image name:
//   quintaval-engravings --symbols FONT --serif FONT --italic FONT --out DIR [--stamp FILE]
// or lays finished plates out on one contact sheet:
//   quintaval-engravings --contact-sheet DIR --out FILE.png
#include "calendar/DailyItems.h"
#include "tools/engravings/ContactSheet.h"
#include "tools/engravings/PlateDrawing.h"
#include "tools/engravings/PlateRenderer.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QRawFont>
#include <QSet>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "quintaval-engravings: %s\n", qPrintable(message));
    return 1;
}

// The family of a font file loaded for this run only, or none if the file is not a font.
std::optional<QFont> loadFont(const QString& path)
{
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        return std::nullopt;
    }
    QFont font(families.first());
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoFontMerging | QFont::PreferOutline));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int generatePlates(const QString& symbolsPath, const QString& serifPath, const QString& italicPath, const QString& out,
                   const QString& stamp)
{
    const QRawFont symbols(symbolsPath, 256, QFont::PreferNoHinting);
    if (!symbols.isValid()) {
        return fail(QStringLiteral("cannot load the symbol font %1").arg(symbolsPath));
    }
    const auto serif = loadFont(serifPath);
    const auto italic = loadFont(italicPath);
    if (!serif || !italic) {
        return fail(QStringLiteral("cannot load the caption fonts %1 and %2").arg(serifPath, italicPath));
    }
    QFont italicFace = *italic;
    italicFace.setItalic(true);
    const PlateRenderer renderer(*serif, italicFace);

    QDir directory(out);
    if (!directory.mkpath(QStringLiteral("."))) {
        return fail(QStringLiteral("cannot create %1").arg(out));
    }
    QSet<QString> written;
    for (std::int64_t day = 1; day <= 360; ++day) {
        const auto item = DailyItems::item(RevolutionaryDate{1, (day - 1) / 30 + 1, (day - 1) % 30 + 1, 0});
        if (!item) {
            return fail(QStringLiteral("no day item for day %1").arg(day));
        }
        const auto drawing = PlateDrawings::forEmoji(item->emoji, symbols);
        if (!drawing) {
            return fail(QStringLiteral("no drawing for the emoji of %1 (day %2): add a fallback")
                            .arg(QString::fromUtf8(item->frenchName.data(), item->frenchName.size()))
                            .arg(day));
        }
        const QString fileName = QString::fromStdString(item->imageName()) + QStringLiteral(".png");
        // Plain writes: a run cut short leaves no stamp, so the build runs it again.
        if (!renderer.render(*item, *drawing).save(directory.filePath(fileName), "PNG")) {
            return fail(QStringLiteral("cannot write %1").arg(directory.filePath(fileName)));
        }
        written.insert(fileName);
    }
    // Plates left over from an older table would make the set ambiguous.
    for (const QString& stale : directory.entryList({QStringLiteral("day_*.png")}, QDir::Files)) {
        if (!written.contains(stale) && !directory.remove(stale)) {
            return fail(QStringLiteral("cannot remove the stale plate %1").arg(stale));
        }
    }
    if (!stamp.isEmpty()) {
        QFile stampFile(stamp);
        if (!stampFile.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return fail(QStringLiteral("cannot write %1").arg(stamp));
        }
        QTextStream(&stampFile) << written.size() << " plates\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates the engraving plates of the day items."));
    parser.addHelpOption();
    const QCommandLineOption symbols(QStringLiteral("symbols"), QStringLiteral("Outline symbol font."),
                                     QStringLiteral("font"));
    const QCommandLineOption serif(QStringLiteral("serif"), QStringLiteral("Caption font."), QStringLiteral("font"));
    const QCommandLineOption italic(QStringLiteral("italic"), QStringLiteral("Italic caption font."),
                                    QStringLiteral("font"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Plate folder, or the contact sheet file."),
                                 QStringLiteral("path"));
    const QCommandLineOption stamp(QStringLiteral("stamp"), QStringLiteral("File written once all plates are done."),
                                   QStringLiteral("file"));
    const QCommandLineOption sheet(QStringLiteral("contact-sheet"),
                                   QStringLiteral("Lay out the plates found in a folder on one sheet."),
                                   QStringLiteral("folder"));
    parser.addOptions({symbols, serif, italic, out, stamp, sheet});
    parser.process(application);

    if (!parser.isSet(out)) {
        return fail(QStringLiteral("--out is required"));
    }
    if (parser.isSet(sheet)) {
        const auto missing = ContactSheet::write(parser.value(sheet), parser.value(out));
        if (!missing) {
            return fail(QStringLiteral("cannot write %1").arg(parser.value(out)));
        }
        if (*missing > 0) {
            return fail(QStringLiteral("%1 plates are missing from %2").arg(*missing).arg(parser.value(sheet)));
        }
        return 0;
    }
    if (!parser.isSet(symbols) || !parser.isSet(serif) || !parser.isSet(italic)) {
        return fail(QStringLiteral("--symbols, --serif and --italic are required"));
    }
    return generatePlates(parser.value(symbols), parser.value(serif), parser.value(italic), parser.value(out),
                          parser.value(stamp));
}
