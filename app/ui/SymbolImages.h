// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

class ResourceDirectory;

// The small stroke symbols of the panel ("chevron.left", "gearshape", ...) drawn from the SVG files
// of the resource directory in the colour they are shown in. A missing file gives an empty
// pixmap, so the control stays usable through its tooltip.
class SymbolImages final
{
public:
    explicit SymbolImages(const ResourceDirectory& resources);

    // The symbol `name` (or the picture under images/ when `name` is "images/...") at `size`
    // pixels, drawn in `color`, for a screen of the given pixel ratio. Kept for the next call
    // unless `keep` is false (colours of an animation).
    QPixmap pixmap(const QString& name, const QColor& color, int size, qreal devicePixelRatio = 1.0, bool keep = true);

private:
    const ResourceDirectory& m_resources;
    QHash<QString, QPixmap> m_cache;
};
