// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRawFont>
#include <QString>

#include <optional>
#include <string_view>

// How the inside of a drawing is cut. Plain shading is a diagonal; the flat colours of the
// coloured-shape emoji are told the way heralds tell them in black and white: blue by level
// lines, yellow by dots, black by crossed lines, brown by crossed diagonals, green by the plain
// diagonal, white left plain. (Upright lines, red, are there for completeness.)
enum class Hatch { shading, horizontal, vertical, dotted, crossed, crossedDiagonal, plain };

// The picture of one day item: a silhouette in arbitrary units, to be scaled onto the plate.
struct PlateDrawing
{
    QPainterPath shape;
    Hatch hatch = Hatch::shading;
    QString source; // what was drawn, for the generator's report: a glyph or the name of a figure
};

namespace PlateDrawings {

// The drawing for an emoji: its outline glyph from the symbol font; for the emoji that font
// lacks, a related glyph it has, a figure drawn here, or a tinted disc or block for the plain
// coloured shapes. None when there is neither glyph nor fallback: a new emoji needs a choice.
std::optional<PlateDrawing> forEmoji(std::string_view emoji, const QRawFont& symbols);

} // namespace PlateDrawings
