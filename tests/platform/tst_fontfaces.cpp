// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FontFaces.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QListView>
#include <QtTest>

// The real font dialog with the fonts installed here, never shown.
class tst_FontFaces : public QObject {
    Q_OBJECT
private slots:
    void pickingAnotherFamilyKeepsTheStyle_data();
    void pickingAnotherFamilyKeepsTheStyle();
};

namespace {

// Chooses a family in the dialog's family list, as a click does.
bool PickFamily(QFontDialog &dialog, const QString &family)
{
    for (QListView *list : dialog.findChildren<QListView *>()) {
        const QModelIndexList rows = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, family,
                                                          1, Qt::MatchFixedString);
        if (!rows.isEmpty()) {
            list->setCurrentIndex(rows.first());
            return true;
        }
    }
    return false;
}

} // namespace

void tst_FontFaces::pickingAnotherFamilyKeepsTheStyle_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("italicThere");   // the face chosen in the new family
    const QString dejaVu = QStringLiteral("DejaVu Sans Mono");
    const QString noto = QStringLiteral("Noto Sans Mono");   // no italic face
    QTest::newRow("regular to DejaVu") << noto << false << false << dejaVu << false;
    QTest::newRow("bold to DejaVu") << QStringLiteral("DejaVu Serif") << true << false << dejaVu << false;
    QTest::newRow("bold oblique to DejaVu Serif") << dejaVu << true << true << QStringLiteral("DejaVu Serif") << true;
    QTest::newRow("oblique to Noto: regular") << dejaVu << false << true << noto << false;
}

void tst_FontFaces::pickingAnotherFamilyKeepsTheStyle()
{
    QFETCH(QString, from);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, to);
    QFETCH(bool, italicThere);
    const QStringList families = QFontDatabase::families();
    if (!families.contains(from) || !families.contains(to))
        QSKIP("the fonts of this case are not installed");
    QFont font(from, 11);
    font.setBold(bold);
    font.setItalic(italic);
    QFontDialog dialog(FontFaces::WithStyleName(font));
    FontFaces::KeepStyleAcrossFamilies(dialog);
    QVERIFY(PickFamily(dialog, to));
    const QFont chosen = dialog.currentFont();
    QCOMPARE(chosen.family(), to);
    QCOMPARE(chosen.bold(), bold);
    QCOMPARE(chosen.italic(), italicThere);
    QCOMPARE(chosen.pointSize(), 11);
    QCOMPARE(QFontInfo(chosen).family(), to);
}

QTEST_MAIN(tst_FontFaces)
#include "tst_fontfaces.moc"
