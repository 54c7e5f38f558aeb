// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TObjectGrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

class TestObjectGrid : public QObject {
    Q_OBJECT
private slots:
    void placementRule_data();
    void placementRule();
    void cellsCountTheHeaderRow();
    void controlsSitOnTheirCells();
    void controlsFollowScrollingAndResizing();
    void controlsMoveWithTheirRows();
    void embeddedControlsGetTheirEvents();

private:
    // The attribute grid's shape: three columns, a header row, rows of
    // check boxes and value lists.
    static void Fill(TObjectGrid &grid, int rows, QList<QCheckBox *> *boxes,
                     QList<QComboBox *> *combos);
};

void TestObjectGrid::placementRule_data()
{
    QTest::addColumn<QRect>("cell");
    QTest::addColumn<bool>("checkBox");
    QTest::addColumn<bool>("move");
    QTest::addColumn<QRect>("bounds");
    QTest::addColumn<bool>("visible");
    QTest::newRow("check box, 80 wide") << QRect(100, 20, 80, 18) << true << true
                                        << QRect(133, 20, 14, 24) << true;
    QTest::newRow("check box, odd width") << QRect(0, 0, 81, 18) << true << true
                                          << QRect(33, 0, 14, 24) << true;
    QTest::newRow("check box, narrow cell") << QRect(10, 5, 10, 18) << true << true
                                            << QRect(8, 5, 14, 24) << true;
    QTest::newRow("other control") << QRect(100, 20, 80, 18) << false << true
                                   << QRect(100, 20, 101, 24) << false;
    QTest::newRow("out of view") << QRect() << true << false << QRect() << false;
}

void TestObjectGrid::placementRule()
{
    QFETCH(QRect, cell);
    QFETCH(bool, checkBox);
    // Width and height come from the column and the row, not from the cell.
    const CellControlPlacement place = PlaceCellControl(cell, 101, 24, checkBox);
    QTEST(place.Move, "move");
    QTEST(place.Bounds, "bounds");
    QTEST(place.Visible, "visible");
}

void TestObjectGrid::Fill(TObjectGrid &grid, int rows, QList<QCheckBox *> *boxes,
                          QList<QComboBox *> *combos)
{
    grid.SetColCount(3);
    grid.SetColWidths(0, 90);
    grid.SetColWidths(1, 56);
    grid.SetColWidths(2, 101);
    grid.SetRowCount(rows + 1);
    grid.SetCells(0, 0, QStringLiteral("Attribute :"));
    grid.SetCells(1, 0, QStringLiteral("Include :"));
    grid.SetCells(2, 0, QStringLiteral("Value :"));
    for (int r = 1; r <= rows; ++r) {
        grid.SetCells(0, r, QStringLiteral("Attr%1").arg(r));
        auto *box = new QCheckBox(&grid);
        grid.SetObjects(1, r, box);
        boxes->append(box);
        if (combos) {
            auto *combo = new QComboBox(&grid);
            combo->addItems({QStringLiteral("LEFT"), QStringLiteral("RIGHT")});
            grid.SetObjects(2, r, combo);
            combos->append(combo);
        }
    }
    grid.LayoutControls();
}

void TestObjectGrid::cellsCountTheHeaderRow()
{
    TObjectGrid grid;
    QList<QCheckBox *> boxes;
    Fill(grid, 2, &boxes, nullptr);
    QCOMPARE(grid.RowCount(), 3);
    QCOMPARE(grid.rowCount(), 2);
    QCOMPARE(grid.Cells(1, 0), QStringLiteral("Include :"));
    QCOMPARE(grid.horizontalHeaderItem(2)->text(), QStringLiteral("Value :"));
    QCOMPARE(grid.Cells(0, 2), QStringLiteral("Attr2"));
    QCOMPARE(grid.item(1, 0)->text(), QStringLiteral("Attr2"));
    QCOMPARE(grid.Objects(1, 2), boxes.at(1));
    QCOMPARE(grid.Objects(1, 0), nullptr);
    QCOMPARE(grid.Objects(2, 2), nullptr);
    QCOMPARE(boxes.at(0)->parentWidget(), grid.viewport());

    // Out-of-range cells are ignored.
    grid.SetCells(5, 1, QStringLiteral("x"));
    grid.SetCells(0, 9, QStringLiteral("x"));
    QCOMPARE(grid.Cells(5, 1), QString());
    QCOMPARE(grid.RowCount(), 3);

    grid.SetCurrentCell(2, 2);
    QCOMPARE(grid.Row(), 2);
    QCOMPARE(grid.Col(), 2);

    grid.SetObjects(1, 2, nullptr);
    QCOMPARE(grid.Objects(1, 2), nullptr);
    delete boxes.at(1);
    grid.LayoutControls(); // a deleted control is no trouble
}

void TestObjectGrid::controlsSitOnTheirCells()
{
    TObjectGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QList<QCheckBox *> boxes;
    QList<QComboBox *> combos;
    Fill(grid, 2, &boxes, &combos);

    const QRect cell = grid.CellRect(1, 2);
    QVERIFY(!cell.isEmpty());
    QCOMPARE(cell.width(), 56);
    QCOMPARE(boxes.at(1)->geometry(), QRect(cell.left() + 21, cell.top(), 14, grid.RowHeights(2)));
    QVERIFY(boxes.at(1)->isVisible());

    // Value lists fill their column and wait hidden until the owner shows them.
    const QRect valueCell = grid.CellRect(2, 1);
    QCOMPARE(combos.at(0)->geometry(),
             QRect(valueCell.left(), valueCell.top(), 101, grid.RowHeights(1)));
    QVERIFY(!combos.at(0)->isVisible());

    // Widening the column to 80 pixels puts the check box 33 pixels in.
    grid.SetColWidths(1, 80);
    const QRect wider = grid.CellRect(1, 1);
    QCOMPARE(boxes.at(0)->x() - wider.left(), 33);

    grid.SetRowHeights(1, 30);
    QCOMPARE(boxes.at(0)->height(), 30);
    QCOMPARE(boxes.at(1)->y(), grid.CellRect(1, 2).top());
}

void TestObjectGrid::controlsFollowScrollingAndResizing()
{
    TObjectGrid grid;
    grid.resize(300, 120);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QList<QCheckBox *> boxes;
    Fill(grid, 30, &boxes, nullptr);
    QVERIFY(boxes.first()->isVisible());
    QVERIFY(!boxes.last()->isVisible());
    QVERIFY(grid.CellRect(1, 30).isEmpty());

    // The scroll range is laid out from the event loop.
    QTRY_VERIFY(grid.verticalScrollBar()->maximum() > 0);
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    QVERIFY(!boxes.first()->isVisible());
    QVERIFY(boxes.last()->isVisible());
    QCOMPARE(boxes.last()->y(), grid.CellRect(1, 30).top());

    grid.verticalScrollBar()->setValue(0);
    QVERIFY(boxes.first()->isVisible());

    // A taller grid brings more rows, and their check boxes, into view.
    QVERIFY(!boxes.at(15)->isVisible());
    grid.resize(300, 2000);
    QTRY_VERIFY(boxes.at(15)->isVisible());

    // Moving a column carries the check boxes along.
    grid.horizontalHeader()->moveSection(1, 2);
    const QRect moved = grid.CellRect(1, 1);
    QCOMPARE(moved.left(), 90 + 101);
    QCOMPARE(boxes.first()->x(), moved.left() + 21);
}

void TestObjectGrid::controlsMoveWithTheirRows()
{
    TObjectGrid grid;
    grid.resize(300, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QList<QCheckBox *> boxes;
    Fill(grid, 3, &boxes, nullptr);

    grid.insertRow(0); // a new first data row
    QCOMPARE(grid.Objects(1, 1), nullptr);
    QCOMPARE(grid.Objects(1, 2), boxes.at(0));
    QCOMPARE(boxes.at(0)->y(), grid.CellRect(1, 2).top());

    grid.removeRow(1); // the row that held the first check box
    QCOMPARE(grid.Objects(1, 2), boxes.at(1));
    QVERIFY(!boxes.at(0)->isVisible());

    grid.SetRowCount(2); // header and one data row are left
    QCOMPARE(grid.Objects(1, 2), nullptr);
    QCOMPARE(grid.Objects(1, 3), nullptr);
    QVERIFY(!boxes.at(2)->isVisible());
    QVERIFY(!boxes.at(1)->isVisible());
}

void TestObjectGrid::embeddedControlsGetTheirEvents()
{
    TObjectGrid grid;
    grid.resize(300, 200);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QList<QCheckBox *> boxes;
    QList<QComboBox *> combos;
    Fill(grid, 2, &boxes, &combos);

    QSignalSpy clicked(boxes.at(0), &QCheckBox::clicked);
    QTest::mouseClick(boxes.at(0), Qt::LeftButton, {}, boxes.at(0)->rect().center());
    QCOMPARE(clicked.count(), 1);
    QVERIFY(boxes.at(0)->isChecked());
    QVERIFY(!boxes.at(1)->isChecked());

    combos.at(1)->show();
    combos.at(1)->setFocus();
    QSignalSpy changed(combos.at(1), &QComboBox::currentTextChanged);
    QTest::keyClick(combos.at(1), Qt::Key_End);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(combos.at(1)->currentText(), QStringLiteral("RIGHT"));
}

QTEST_MAIN(TestObjectGrid)
#include "tst_objectgrid.moc"
