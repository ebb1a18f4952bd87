// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

// Draws an emoji as the status item's icon, at the sizes status bars ask for. Needs a
// QGuiApplication for its fonts.
class EmojiIconRenderer final
{
public:
    static constexpr int sizes[] = {16, 22, 32, 48};

    // One square picture per size, the emoji centred and as large as fits. The last emoji is
    // remembered, so asking again on every tick costs nothing.
    QList<QImage> render(const QString& emoji);

private:
    QString m_emoji;
    QList<QImage> m_images;
};
