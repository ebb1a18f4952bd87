#pragma once

#include "app/platform/StatusItem.h"

#include <QStringList>

// Records what the program shows in the status bar; the test clicks it with click().
class FakeStatusItem final : public StatusItem
{
    Q_OBJECT

public:
    void setTitle(const QString& title) override { m_titles.append(title); }
    void setIcon(const QList<QImage>& images) override
    {
        m_icon = images;
        ++m_iconChanges;
    }
    void setToolTip(const QString& text) override { m_toolTip = text; }
    Presence presence() const override { return m_presence; }

    QString title() const { return m_titles.isEmpty() ? QString() : m_titles.last(); }
    const QStringList& titles() const { return m_titles; }
    const QString& toolTip() const { return m_toolTip; }
    const QList<QImage>& icon() const { return m_icon; }
    int iconChanges() const { return m_iconChanges; }

    void click(QPoint position) { Q_EMIT activated(position); }
    void setPresence(Presence presence)
    {
        m_presence = presence;
        Q_EMIT presenceChanged(presence);
    }

private:
    QStringList m_titles;
    QString m_toolTip;
    QList<QImage> m_icon;
    int m_iconChanges = 0;
    Presence m_presence = Presence::statusNotifier;
};
