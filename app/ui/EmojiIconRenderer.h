// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Draws an emoji as the status item's icon, at the sizes status bars ask for, with the day's
// number on it when asked. Needs a QGuiApplication for its fonts.
class EmojiIconRenderer final
{
public:
    static constexpr int sizes[] = {16, 22, 24, 32, 48};

    // One square picture per size, the emoji centred and as large as fits; with a day, its number
    // in bold light figures on a dark plate in the lower right corner, as large as the size leaves
    // legible. The last pictures are remembered, so asking again on every tick costs nothing.
    QList<QImage> render(const QString& emoji, std::optional<int> day = std::nullopt);

private:
    QString m_emoji;
    std::optional<int> m_day;
    QList<QImage> m_images;
};
