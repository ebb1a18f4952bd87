// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/engravings/PlateDrawing.h"

#include <QHash>
#include <QVector>

#include <functional>

namespace {

QString withoutVariationSelectors(QString text)
{
    text.remove(QChar(0xFE0F));
    text.remove(QChar(0xFE0E));
    return text;
}

// Related glyphs the symbol font has, for emoji it lacks.
const QHash<QString, QString>& substitutes()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("🫏"), QStringLiteral("🐎")},    // donkey, mule: a horse
        {QStringLiteral("🪿"), QStringLiteral("🦆")}, // goose: a duck
        {QStringLiteral("🦞"), QStringLiteral("🦐")}, // crayfish: a shrimp
        {QStringLiteral("🦦"), QStringLiteral("🐀")},    // otter: the long low body of a rat
        {QStringLiteral("🧂"), QStringLiteral("🍚")},    // salt: a heaped bowl
        {QStringLiteral("🧄"), QStringLiteral("🌰")},    // garlic: a bulb
        {QStringLiteral("🧅"), QStringLiteral("🌰")},    // onion, shallot: a bulb
        {QStringLiteral("🧵"), QStringLiteral("➿")},    // twine: a looped cord
        {QStringLiteral("🪨"), QStringLiteral("⛰")},    // rock: a crag
        {QStringLiteral("🪵"), QStringLiteral("🍾")}, // cork: a corked bottle
        {QStringLiteral("🫐"), QStringLiteral("🍇")},    // berries: a cluster
        {QStringLiteral("🫒"), QStringLiteral("🍒")},    // olive, fig: fruit on a twig
        {QStringLiteral("🫘"), QStringLiteral("🥜")}, // beans, lentils: a pod
        {QStringLiteral("🥬"), QStringLiteral("🌱")},    // leaf vegetables: a sprouting plant
    };
    return table;
}

QPainterPath disc()
{
    QPainterPath path;
    path.addEllipse(QPointF(0, 0), 50, 50);
    return path;
}

QPainterPath block()
{
    QPainterPath path;
    path.addRect(-45, -45, 90, 90);
    return path;
}

// A ladder standing upright: two rails and seven rungs.
QPainterPath ladder()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.addRect(-32, -90, 9, 180);
    path.addRect(23, -90, 9, 180);
    for (int rung = 0; rung < 7; ++rung) {
        path.addRect(-24, -72 + rung * 24, 48, 6);
    }
    return path;
}

// A felling axe: a long helve with a swelling head and a curved bit.
QPainterPath axe()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QPainterPath helve;
    helve.moveTo(-6, -70);
    helve.lineTo(6, -70);
    helve.cubicTo(9, -20, 4, 40, 9, 90);
    helve.lineTo(-5, 90);
    helve.cubicTo(-9, 40, -4, -20, -6, -70);
    path.addPath(helve);
    QPainterPath head;
    head.moveTo(-14, -78);
    head.lineTo(12, -78);
    head.cubicTo(30, -74, 44, -82, 58, -96);
    head.cubicTo(70, -70, 70, -30, 58, -6);
    head.cubicTo(44, -22, 30, -36, 12, -36);
    head.lineTo(-14, -36);
    head.closeSubpath();
    path.addPath(head);
    return path;
}

// A round wicker basket with an arched handle.
QPainterPath basket()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    QPainterPath body;
    body.moveTo(-70, -10);
    body.lineTo(70, -10);
    body.cubicTo(66, 30, 50, 62, 30, 66);
    body.lineTo(-30, 66);
    body.cubicTo(-50, 62, -66, 30, -70, -10);
    body.closeSubpath();
    QPainterPath weave; // gaps between the bands of wicker
    for (const double y : {12.0, 32.0, 50.0}) {
        weave.addRect(-80, y, 160, 3.5);
    }
    path.addPath(body.subtracted(weave));
    path.addRoundedRect(-76, -20, 152, 14, 6, 6); // the rim
    QPainterPath handle;
    handle.moveTo(-58, -12);
    handle.cubicTo(-52, -96, 52, -96, 58, -12);
    handle.lineTo(48, -12);
    handle.cubicTo(42, -82, -42, -82, -48, -12);
    handle.closeSubpath();
    path.addPath(handle);
    return path;
}

struct Figure
{
    QString name;
    std::function<QPainterPath()> shape;
    Hatch hatch;
};

const QHash<QString, Figure>& figures()
{
    static const QHash<QString, Figure> table{
        {QStringLiteral("🪜"), {QStringLiteral("drawn ladder"), ladder, Hatch::shading}},
        {QStringLiteral("🪓"), {QStringLiteral("drawn axe"), axe, Hatch::shading}},
        {QStringLiteral("🧺"), {QStringLiteral("drawn basket"), basket, Hatch::shading}},
        {QStringLiteral("🟤"), {QStringLiteral("brown disc"), disc, Hatch::crossedDiagonal}},
        {QStringLiteral("🟡"), {QStringLiteral("yellow disc"), disc, Hatch::dotted}},
        {QStringLiteral("🟢"), {QStringLiteral("green disc"), disc, Hatch::shading}},
        {QStringLiteral("🔵"), {QStringLiteral("blue disc"), disc, Hatch::horizontal}},
        {QStringLiteral("⚪"), {QStringLiteral("white disc"), disc, Hatch::plain}},
        {QStringLiteral("⬛"), {QStringLiteral("black block"), block, Hatch::crossed}},
        {QStringLiteral("⬜"), {QStringLiteral("white block"), block, Hatch::plain}},
    };
    return table;
}

std::optional<QPainterPath> glyphOutline(const QString& text, const QRawFont& font)
{
    const auto codePoints = text.toUcs4();
    if (codePoints.isEmpty()) {
        return std::nullopt;
    }
    for (const auto codePoint : codePoints) {
        if (!font.supportsCharacter(codePoint)) {
            return std::nullopt;
        }
    }
    QPainterPath outline;
    outline.setFillRule(Qt::WindingFill);
    qreal advance = 0;
    for (const auto glyph : font.glyphIndexesForString(text)) {
        outline.addPath(font.pathForGlyph(glyph).translated(advance, 0));
        QPointF glyphAdvance;
        const quint32 index = glyph;
        font.advancesForGlyphIndexes(&index, &glyphAdvance, 1);
        advance += glyphAdvance.x();
    }
    if (outline.isEmpty()) {
        return std::nullopt;
    }
    return outline;
}

} // namespace

namespace PlateDrawings {

std::optional<PlateDrawing> forEmoji(std::string_view emoji, const QRawFont& symbols)
{
    const QString key =
        withoutVariationSelectors(QString::fromUtf8(emoji.data(), static_cast<qsizetype>(emoji.size())));
    if (const auto figure = figures().constFind(key); figure != figures().constEnd()) {
        return PlateDrawing{figure->shape(), figure->hatch, figure->name};
    }
    const QString glyph = substitutes().value(key, key);
    if (const auto outline = glyphOutline(glyph, symbols)) {
        return PlateDrawing{*outline, Hatch::shading, glyph};
    }
    return std::nullopt;
}

} // namespace PlateDrawings
