// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LetterCase.h"

#include <QtTest>

class TestLetterCase : public QObject {
    Q_OBJECT
private slots:
    void onlyAsciiLettersChange_data();
    void onlyAsciiLettersChange();
    void tagAndAttrCaseFollowTheirFlag();
};

void TestLetterCase::onlyAsciiLettersChange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("plain") << "Body" << "BODY" << "body";
    QTest::newRow("literal with quotes")
        << " Align=\"Center\"" << " ALIGN=\"CENTER\"" << " align=\"center\"";
    QTest::newRow("digits and punctuation") << "<H1>#ff00Aa;" << "<H1>#FF00AA;" << "<h1>#ff00aa;";
    // Accented and other non-ASCII letters keep their case both ways.
    QTest::newRow("accented") << QString::fromUtf8("éÉàÀß x")
                              << QString::fromUtf8("éÉàÀß X") << QString::fromUtf8("éÉàÀß x");
    QTest::newRow("greek and cyrillic") << QString::fromUtf8("αΩжЖ") << QString::fromUtf8("αΩжЖ")
                                        << QString::fromUtf8("αΩжЖ");
    // Letters just outside A-Z / a-z: @ [ ` {
    QTest::newRow("boundaries") << "@AZ[`az{" << "@AZ[`AZ{" << "@az[`az{";
    // The Kelvin sign and dotless i fold to ASCII under Unicode rules; here
    // they must stay.
    QTest::newRow("unicode folding traps") << QString::fromUtf8("\u212A\u0131") << QString::fromUtf8("\u212A\u0131")
                                           << QString::fromUtf8("\u212A\u0131");
    QTest::newRow("emoji") << QString::fromUtf8("a😀b") << QString::fromUtf8("A😀B")
                           << QString::fromUtf8("a😀b");
    QTest::newRow("empty") << "" << "" << "";
}

void TestLetterCase::onlyAsciiLettersChange()
{
    QFETCH(QString, text);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QCOMPARE(AsciiUpper(text), upper);
    QCOMPARE(AsciiLower(text), lower);
}

void TestLetterCase::tagAndAttrCaseFollowTheirFlag()
{
    QCOMPARE(TagCase(QStringLiteral("<Table>"), true), QStringLiteral("<TABLE>"));
    QCOMPARE(TagCase(QStringLiteral("<Table>"), false), QStringLiteral("<table>"));
    QCOMPARE(AttrCase(QStringLiteral("CLEAR=All"), true), QStringLiteral("CLEAR=ALL"));
    QCOMPARE(AttrCase(QStringLiteral("CLEAR=All"), false), QStringLiteral("clear=all"));
    QCOMPARE(AttrCase(QString::fromUtf8("TITLE=\"Café\""), false), QString::fromUtf8("title=\"café\""));
}

QTEST_MAIN(TestLetterCase)
#include "tst_lettercase.moc"
