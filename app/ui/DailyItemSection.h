// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ui/PanelSection.h"

#include <QImage>
#include <QString>

#include <optional>

class EngravingView;
class QLabel;
class ResourceDirectory;

// The plant, animal, tool or mineral of the viewed day: its engraving, French name, English
// name and category. Hidden by the panel on the complementary days, which have none.
class DailyItemSection final : public PanelSection
{
    Q_OBJECT

public:
    explicit DailyItemSection(const ResourceDirectory& resources, QWidget* parent = nullptr);

    void refresh(const CalendarManager& calendar, const PanelStyle& style) override;

private:
    const ResourceDirectory& m_resources;
    EngravingView* m_engraving;
    QLabel* m_frenchName;
    QLabel* m_details;
    QString m_loadedImageName;
    QImage m_loadedImage;
    std::optional<bool> m_styledNight;
};
