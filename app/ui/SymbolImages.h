// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QString>

class ResourceDirectory;

// The small stroke symbols of the panel ("chevron.left", "gearshape", ...) and its pictures, drawn
// in the colour they are shown in, from the resource folder. The symbols are built into the
// program too, so the controls never lose their faces to a missing or damaged folder; a missing
// picture gives an empty pixmap.
class SymbolImages final
{
public:
    explicit SymbolImages(const ResourceDirectory& resources);

    // The symbol `name` (or the picture under the resource folder's images/ when `name` is
    // "images/...") at `size` pixels, its strokes as heavy as text of that size and `weight`,
    // drawn in `color` for a screen of the given pixel ratio. Kept for the next call unless
    // `keep` is false (colours of an animation).
    QPixmap pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio = 1.0, bool keep = true,
                   QFont::Weight weight = QFont::Normal);

    // The width in pixels of a symbol's strokes at `size` pixels and `weight`.
    static qreal strokeWidth(int size, QFont::Weight weight);

private:
    const ResourceDirectory& m_resources;
    QHash<QString, QPixmap> m_cache;
};
