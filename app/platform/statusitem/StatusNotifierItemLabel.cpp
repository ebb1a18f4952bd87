// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/statusitem/StatusNotifierItemLabel.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextBoundaryFinder>

namespace StatusNotifierItemLabel {

// Hosts either draw the icon and the label side by side (GNOME's AppIndicator extension,
// Cinnamon, our own test bar), or the icon alone (KDE, XFCE, waybar: no label to worry about),
// or, MATE's notification area, the label in place of the icon as soon as there is one. The
// protocol does not say which, so the last kind is recognised by name: the watcher belongs to
// the status bar, and on MATE that is the panel or its notification-area applet.
bool hostDrawsLabelAlone(const QString& watcherProgram, const QString& currentDesktop)
{
    if (!watcherProgram.isEmpty()) {
        return watcherProgram.startsWith(QStringLiteral("mate-")) ||
               watcherProgram == QStringLiteral("notification-area-applet");
    }
    const QStringList desktops = currentDesktop.split(u':', Qt::SkipEmptyParts);
    return desktops.contains(QStringLiteral("MATE"), Qt::CaseInsensitive);
}

QString labelFor(const QString& title, bool labelAlone)
{
    if (labelAlone) {
        return title;
    }
    // The symbol is one grapheme (an emoji may take several code points), then a space.
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, title);
    const qsizetype end = graphemes.toNextBoundary();
    if (end <= 0 || end >= title.size() || title.at(end) != u' ' || title.at(0).isLetterOrNumber()) {
        return title;
    }
    return title.mid(end + 1);
}

QString programOf(uint processId)
{
    if (processId == 0) {
        return {};
    }
    // The executable's name: comm is cut at 15 characters ("notification-ar").
    const QString executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(processId)).symLinkTarget();
    if (!executable.isEmpty()) {
        return QFileInfo(executable).fileName();
    }
    QFile command(QStringLiteral("/proc/%1/cmdline").arg(processId));
    if (!command.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray first = command.readAll().split('\0').value(0);
    return QFileInfo(QString::fromLocal8Bit(first)).fileName();
}

} // namespace StatusNotifierItemLabel
