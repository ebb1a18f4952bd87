// SPDX-License-Identifier: GPL-3.0-or-later
// A Qt plug-in of some other kind, for the host to turn away.

#include <QObject>
#include <QtPlugin>

class NotAWidgetPlugin final : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.example.SomethingElse/1.0")
};

#include "NotAWidgetPlugin.moc"
