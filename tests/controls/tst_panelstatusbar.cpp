// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/PanelStatusBar.h"

#include <QLabel>
#include <QTest>

class TestPanelStatusBar : public QObject {
    Q_OBJECT
private slots:
    void panelsKeepTheirWidthsAndAlignment();
    void textsGoToTheirPanelOnly();
    void simpleModeHidesButKeepsThePanelTexts();
    void aPanelWidensForALongerText();
};

namespace {
void AddMainWindowPanels(PanelStatusBar &bar)
{
    bar.AddPanel(300);
    for (int width : {70, 70, 70, 50})
        bar.AddPanel(width, Qt::AlignCenter);
}
}

void TestPanelStatusBar::panelsKeepTheirWidthsAndAlignment()
{
    PanelStatusBar bar;
    AddMainWindowPanels(bar);
    bar.resize(800, 22);
    bar.show();
    QCOMPARE(bar.PanelCount(), 5);
    const QList<int> widths = {300, 70, 70, 70, 50};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(bar.PanelWidth(i), widths[i]);
        const auto *label = bar.findChild<QLabel *>(QStringLiteral("Panel%1").arg(i));
        QVERIFY(label);
        QCOMPARE(label->width(), widths[i]);
    }
    QVERIFY(bar.PanelAlignment(0) & Qt::AlignLeft);
    for (int i = 1; i < 5; ++i)
        QCOMPARE(bar.PanelAlignment(i) & Qt::AlignHCenter, Qt::AlignHCenter);
    // Panels stand left to right in the order they were added.
    for (int i = 1; i < 5; ++i) {
        const auto *left = bar.findChild<QLabel *>(QStringLiteral("Panel%1").arg(i - 1));
        const auto *right = bar.findChild<QLabel *>(QStringLiteral("Panel%1").arg(i));
        QVERIFY(left->geometry().right() < right->geometry().left());
    }
}

void TestPanelStatusBar::textsGoToTheirPanelOnly()
{
    PanelStatusBar bar;
    AddMainWindowPanels(bar);
    bar.SetPanelText(3, QStringLiteral("12 : 4"));
    bar.SetPanelText(4, QStringLiteral("Modified..."));
    QCOMPARE(bar.PanelText(3), QStringLiteral("12 : 4"));
    QCOMPARE(bar.PanelText(4), QStringLiteral("Modified..."));
    QCOMPARE(bar.PanelText(0), QString());

    // Indices outside the panels change nothing and read as empty.
    bar.SetPanelText(5, QStringLiteral("lost"));
    bar.SetPanelText(-1, QStringLiteral("lost"));
    QCOMPARE(bar.PanelText(5), QString());
    QCOMPARE(bar.PanelText(-1), QString());
    for (int i = 0; i < 5; ++i)
        QVERIFY(bar.PanelText(i) != QStringLiteral("lost"));
}

void TestPanelStatusBar::aPanelWidensForALongerText()
{
    PanelStatusBar bar;
    AddMainWindowPanels(bar);
    QFont large = bar.font();
    large.setPixelSize(24);
    bar.setFont(large);
    bar.SetPanelText(4, QStringLiteral("Modified..."));
    QVERIFY(bar.PanelWidth(4) > QFontMetrics(large).horizontalAdvance(QStringLiteral("Modified...")));
    // Clearing the text keeps the width, so the bar does not jump.
    const int widened = bar.PanelWidth(4);
    bar.SetPanelText(4, QString());
    QCOMPARE(bar.PanelWidth(4), widened);
}

void TestPanelStatusBar::simpleModeHidesButKeepsThePanelTexts()
{
    PanelStatusBar bar;
    AddMainWindowPanels(bar);
    bar.resize(600, 22);
    bar.show();
    bar.SetPanelText(0, QStringLiteral(" Ready"));
    QVERIFY(!bar.IsSimple());

    bar.SetSimpleText(QStringLiteral(" Opens an existing Web page"));
    bar.SetSimple(true);
    QVERIFY(bar.IsSimple());
    const auto *simple = bar.findChild<QLabel *>(QStringLiteral("SimplePanel"));
    QVERIFY(simple && simple->isVisible());
    QCOMPARE(simple->text(), QStringLiteral(" Opens an existing Web page"));
    QVERIFY(!bar.findChild<QLabel *>(QStringLiteral("Panel0"))->isVisible());
    // The simple text spans the bar.
    QCOMPARE(simple->width(), bar.contentsRect().width());

    bar.SetSimple(false);
    QVERIFY(!bar.IsSimple());
    QVERIFY(bar.findChild<QLabel *>(QStringLiteral("Panel0"))->isVisible());
    QCOMPARE(bar.PanelText(0), QStringLiteral(" Ready"));
}

QTEST_MAIN(TestPanelStatusBar)
#include "tst_panelstatusbar.moc"
