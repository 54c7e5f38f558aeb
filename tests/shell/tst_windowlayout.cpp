// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowLayout.h"

#include <QTest>

Q_DECLARE_METATYPE(WindowPlacement)

class TestWindowLayout : public QObject {
    Q_OBJECT
private slots:
    void narrowScreenCentresTheMainWindow_data();
    void narrowScreenCentresTheMainWindow();
    void wideScreenPutsTheInspectorBesideTheMainWindow_data();
    void wideScreenPutsTheInspectorBesideTheMainWindow();
    void usablePlacements_data();
    void usablePlacements();
};

void TestWindowLayout::narrowScreenCentresTheMainWindow_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("800 x 600") << QSize(800, 600) << 85 << 75;
    QTest::newRow("640 x 480") << QSize(640, 480) << 5 << 15;
    // Halves drop their remainder.
    QTest::newRow("odd sizes") << QSize(799, 601) << 84 << 75;
}

void TestWindowLayout::narrowScreenCentresTheMainWindow()
{
    QFETCH(QSize, screen);
    QFETCH(int, left);
    QFETCH(int, top);
    const WindowLayout layout = DefaultWindowLayout(screen);
    QCOMPARE(layout.Main, (WindowPlacement{false, false, left, top, 630, 450}));
    // The inspector sits in the bottom-right corner and stays on top.
    QCOMPARE(layout.Inspector, (WindowPlacement{false, true, screen.width() - 290,
                                                screen.height() - 400, 290, 400}));
}

void TestWindowLayout::wideScreenPutsTheInspectorBesideTheMainWindow_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("801 x 600") << QSize(801, 600);
    QTest::newRow("1024 x 768") << QSize(1024, 768);
    QTest::newRow("1920 x 1080") << QSize(1920, 1080);
}

void TestWindowLayout::wideScreenPutsTheInspectorBesideTheMainWindow()
{
    QFETCH(QSize, screen);
    const WindowLayout layout = DefaultWindowLayout(screen);
    QCOMPARE(layout.Main, (WindowPlacement{false, false, 0, 0, screen.width() - 290, 600}));
    QCOMPARE(layout.Inspector,
             (WindowPlacement{false, true, screen.width() - 290 + 1, 0, 290, 600}));
}

void TestWindowLayout::usablePlacements_data()
{
    QTest::addColumn<WindowPlacement>("placement");
    QTest::addColumn<bool>("usable");
    const auto p = [](qint32 left, qint32 top, qint32 width, qint32 height) {
        return WindowPlacement{false, false, left, top, width, height};
    };
    // Screen 1024 x 768.
    QTest::newRow("on screen") << p(10, 20, 600, 400) << true;
    QTest::newRow("top-left corner") << p(0, 0, 1, 1) << true;
    QTest::newRow("last pixel") << p(1023, 767, 600, 400) << true;
    QTest::newRow("left equals screen width") << p(1024, 20, 600, 400) << false;
    QTest::newRow("top equals screen height") << p(10, 768, 600, 400) << false;
    QTest::newRow("negative left") << p(-1, 20, 600, 400) << false;
    QTest::newRow("negative top") << p(10, -5, 600, 400) << false;
    QTest::newRow("width 0") << p(10, 20, 0, 400) << false;
    QTest::newRow("height 0") << p(10, 20, 600, 0) << false;
    QTest::newRow("negative width") << p(10, 20, -600, 400) << false;
    QTest::newRow("negative height") << p(10, 20, 600, -400) << false;
    WindowPlacement maximized = p(5000, -5000, 0, 0);
    maximized.Maximized = true;
    QTest::newRow("maximised, whatever its rectangle") << maximized << true;
}

void TestWindowLayout::usablePlacements()
{
    QFETCH(WindowPlacement, placement);
    QFETCH(bool, usable);
    QCOMPARE(IsUsableWindowRect(placement, QSize(1024, 768)), usable);
}

QTEST_APPLESS_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
