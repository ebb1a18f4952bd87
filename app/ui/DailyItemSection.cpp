// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ui/DailyItemSection.h"

#include "app/platform/ResourceDirectory.h"
#include "app/state/CalendarManager.h"
#include "app/state/DailyItemTexts.h"
#include "app/ui/EngravingView.h"
#include "app/ui/PanelAccessible.h"
#include "app/ui/PanelText.h"
#include "app/ui/PanelWidgets.h"

#include <QLabel>
#include <QVBoxLayout>

DailyItemSection::DailyItemSection(const ResourceDirectory& resources, QWidget* parent)
    : PanelSection(parent), m_resources(resources)
{
    setObjectName(QStringLiteral("dailyItemSection"));
    m_engraving = new EngravingView(this);
    PanelAccessible::setRole(m_engraving, QAccessible::Graphic);
    m_frenchName =
        PanelWidgets::label(this, "itemFrenchName", PanelStyle::font(PanelStyle::TextStyle::title2, QFont::Medium));
    m_details = PanelWidgets::label(this, "itemDetails", PanelStyle::font(PanelStyle::TextStyle::caption));
    for (QLabel* centred : {m_frenchName, m_details}) {
        centred->setAlignment(Qt::AlignCenter);
    }

    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(m_frenchName);
    names->addWidget(m_details);
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset, PanelWidgets::inset);
    stack->setSpacing(8);
    stack->addWidget(m_engraving);
    stack->addLayout(names);
}

void DailyItemSection::refresh(const CalendarManager& calendar, const PanelStyle& style)
{
    const std::optional<DailyItem>& item = calendar.dailyItem();
    if (!item) {
        return;
    }
    // The plate is looked up again whenever the day changes, and read only then.
    const QString imageName = QString::fromStdString(item->imageName());
    if (imageName != m_loadedImageName) {
        m_loadedImageName = imageName;
        const auto file = m_resources.find(QStringLiteral("engravings/") + imageName, QStringLiteral("png"));
        m_loadedImage = file ? QImage(*file) : QImage();
    }
    m_engraving->setContent(m_loadedImage, PanelText::fromUtf8(item->emoji));
    PanelWidgets::setText(m_frenchName, PanelText::fromUtf8(item->frenchName));
    const QString pictureName = tr("Engraving: %1").arg(m_frenchName->text());
    if (m_engraving->accessibleName() != pictureName) {
        m_engraving->setAccessibleName(pictureName);
    }
    PanelWidgets::setText(m_details, DailyItemTexts::details(*item));

    if (m_styledNight == style.isNight()) {
        return;
    }
    m_styledNight = style.isNight();
    m_engraving->setColors(style.isNight() ? PanelStyle::agedTan : PanelStyle::parchment,
                           style.isNight() ? PanelStyle::brass : QColor(), style.foreground());
    PanelStyle::setForeground(m_frenchName, style.foreground());
    PanelStyle::setForeground(m_details, style.foreground(PanelStyle::Level::secondary));
}
