// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/platform/desktop/Struts.h"
#include "app/platform/desktop/X11WorkArea.h"

#include <QGuiApplication>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>

// What the bars leave of each monitor, where Qt takes a monitor's whole area for available.
class TestX11WorkArea final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Two 1920×1080 monitors side by side unless said otherwise; the struts as the bars set them.
    void workAreaPerMonitor_data()
    {
        QTest::addColumn<QRect>("monitor");
        QTest::addColumn<QSize>("root");
        QTest::addColumn<std::vector<quint32>>("strut");
        QTest::addColumn<QRect>("available");
        const QRect left(0, 0, 1920, 1080);
        const QRect right(1920, 0, 1920, 1080);
        const QSize wide(3840, 1080);
        using Values = std::vector<quint32>;
        QTest::newRow("top bar on the left monitor, left monitor")
            << left << wide << Values{0, 0, 44, 0, 0, 0, 0, 0, 0, 1919, 0, 0} << QRect(0, 44, 1920, 1036);
        QTest::newRow("top bar on the left monitor, right monitor")
            << right << wide << Values{0, 0, 44, 0, 0, 0, 0, 0, 0, 1919, 0, 0} << right;
        QTest::newRow("bottom bar on the right monitor")
            << right << wide << Values{0, 0, 0, 45, 0, 0, 0, 0, 0, 0, 1920, 3839} << QRect(1920, 0, 1920, 1035);
        // A shorter monitor's bottom bar is measured from the bottom of the taller one.
        QTest::newRow("bottom bar on a shorter monitor")
            << QRect(1920, 0, 1280, 1024) << wide << Values{0, 0, 0, 56 + 30, 0, 0, 0, 0, 0, 0, 1920, 3199}
            << QRect(1920, 0, 1280, 994);
        QTest::newRow("vertical bar on the right edge")
            << right << wide << Values{0, 48, 0, 0, 0, 0, 0, 1079, 0, 0, 0, 0} << QRect(1920, 0, 1872, 1080);
        QTest::newRow("plain strut spans the whole edge")
            << right << wide << Values{0, 0, 30, 0} << QRect(1920, 30, 1920, 1050);
    }

    void workAreaPerMonitor()
    {
        QFETCH(QRect, monitor);
        QFETCH(QSize, root);
        QFETCH(std::vector<quint32>, strut);
        QFETCH(QRect, available);
        QCOMPARE(Struts::workArea(monitor, root, {Strut::fromValues(strut, root)}), available);
    }

    // A dock on the real X server, as a bar with no window manager to frame it maps itself.
    void readsTheDocksOfTheServer()
    {
        auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        QVERIFY(x11);
        xcb_connection_t* connection = x11->connection();
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const QRect whole(0, 0, screen->width_in_pixels, screen->height_in_pixels);
        X11WorkArea workArea;
        QCOMPARE(workArea.available(whole), std::optional<QRect>());

        const xcb_window_t dock = xcb_generate_id(connection);
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, dock, screen->root, 0, whole.height() - 40,
                          static_cast<quint16>(whole.width()), 40, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen->root_visual, 0, nullptr);
        const char name[] = "_NET_WM_STRUT_PARTIAL";
        auto* reply = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
        const quint32 strut[12] = {0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, static_cast<quint32>(whole.width() - 1)};
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, dock, reply->atom, XCB_ATOM_CARDINAL, 32, 12, strut);
        std::free(reply);
        xcb_map_window(connection, dock);
        xcb_flush(connection);
        QTRY_COMPARE(workArea.available(whole), std::optional(whole.adjusted(0, 0, 0, -40)));
        xcb_destroy_window(connection, dock);
        xcb_flush(connection);
    }
};

QTEST_MAIN(TestX11WorkArea)
#include "TestX11WorkArea.moc"
