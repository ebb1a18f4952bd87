// SPDX-License-Identifier: GPL-3.0-or-later
// Quintaval's title as text in a Plasma panel, whose tray draws its items as icons only.
// quintaval-title does the work, in the format chosen in Quintaval's settings: each run is handed
// the line shown, waits until the title reads otherwise, prints it and ends, and the next run
// starts with the new line. So the applet sleeps between changes, and a change that comes while
// no run waits is printed at once by the next. A click runs quintaval --open-panel: a running
// one opens its panel, a new one opens it once started; under the pointer, on this applet.
import QtQuick 2.15
import QtQuick.Layouts 1.15
import org.kde.plasma.core 2.0 as PlasmaCore
import org.kde.plasma.components 3.0 as PlasmaComponents3
import org.kde.plasma.plasmoid 2.0

Item {
    id: root

    // The line on show; empty until the first run answers.
    property string title: ""
    // quintaval-title --json's tooltip (the full date, the decimal time, the day's item and the
    // leap-year rule), read when the pointer comes over the applet: it shows the time, and reading
    // it each decimal minute would wake the date-only formats a thousand times a day for nothing.
    property string toolTip: ""
    // Why the last run failed, shown in the tooltip until one succeeds.
    property string problem: ""

    readonly property string titleCommand: "quintaval-title --changed-from "
    readonly property string toolTipCommand: "quintaval-title --json"

    // The executable engine runs each source as an sh command line.
    function quoted(text) {
        return "'" + text.replace(/'/g, "'\\''") + "'";
    }

    function waitForChange() {
        commands.connectSource(titleCommand + quoted(title));
    }

    function readToolTip() {
        commands.connectSource(toolTipCommand);
    }

    function openPanel() {
        // Out of plasmashell's session and pipes: a quintaval started here outlives the applet.
        commands.connectSource("setsid -f quintaval --open-panel </dev/null >/dev/null 2>&1");
    }

    Plasmoid.preferredRepresentation: Plasmoid.compactRepresentation
    Plasmoid.toolTipMainText: problem !== "" ? Plasmoid.title : toolTip.split("\n")[0] || Plasmoid.title
    Plasmoid.toolTipSubText: problem !== "" ? problem : toolTip.split("\n").slice(1).join("\n")
    Plasmoid.toolTipTextFormat: Text.PlainText

    Plasmoid.compactRepresentation: MouseArea {
        readonly property bool vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical

        Layout.minimumWidth: vertical ? 0 : label.implicitWidth + 2 * PlasmaCore.Units.smallSpacing
        Layout.maximumWidth: vertical ? Infinity : Layout.minimumWidth
        Layout.minimumHeight: vertical ? label.contentHeight : 0
        hoverEnabled: true
        Accessible.role: Accessible.Button
        Accessible.name: label.text
        Accessible.description: root.toolTip
        onContainsMouseChanged: {
            if (containsMouse) {
                root.readToolTip();
            }
        }
        onClicked: root.openPanel()

        PlasmaComponents3.Label {
            id: label
            anchors.fill: parent
            text: root.title !== "" ? root.title : Plasmoid.title
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: parent.vertical ? Text.Wrap : Text.NoWrap
        }
    }

    PlasmaCore.DataSource {
        id: commands
        engine: "executable"
        onNewData: {
            if (data["exit code"] === undefined) {
                return;
            }
            disconnectSource(sourceName);
            const output = data["stdout"].replace(/\n$/, "");
            const failed = data["exit code"] !== 0 || output === "";
            if (sourceName.startsWith(root.titleCommand)) {
                if (failed) {
                    // Not installed, or being replaced: tried again in a while, not in a loop.
                    root.problem = data["stderr"].trim() || i18n("quintaval-title did not answer");
                    retry.start();
                    return;
                }
                root.problem = "";
                root.title = output;
                root.waitForChange();
            } else if (sourceName === root.toolTipCommand && !failed) {
                try {
                    root.toolTip = JSON.parse(output).tooltip;
                } catch (error) {
                    root.toolTip = "";
                }
            }
        }
    }

    Timer {
        id: retry
        interval: 60000
        onTriggered: root.waitForChange()
    }

    Component.onCompleted: waitForChange()
}
