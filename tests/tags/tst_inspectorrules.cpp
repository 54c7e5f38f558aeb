// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/InspectorCatalogue.h"
#include "tags/TagInspectorRules.h"

#include <QTest>

// The Tag Inspector's rules against a small catalogue in a temporary
// folder, without widgets.
class TestInspectorRules : public QObject, protected InspectorCatalogue {
    Q_OBJECT
private slots:
    void gridStartsFromTheRecords();
    void rowsAreWrittenByTheirKind();
    void attributeCaseChangesNamesNotValues();
    void coloursAreWrittenAsHexadecimal();
    void unknownColourFailsTheGeneration();
    void docTypeVersionBecomesItsPublicIdentifier();
};

void TestInspectorRules::gridStartsFromTheRecords()
{
    const QList<AttrRecord> td = AttrsOf(QStringLiteral("TD"));
    QCOMPARE(td.size(), 4);
    QCOMPARE(TagInspectorRules::DisplayName(td.at(1)), QStringLiteral("Nowrap"));
    QCOMPARE(TagInspectorRules::DisplayName(AttrsOf(QStringLiteral("TABLE")).at(1)),
             QStringLiteral("Bgcolor"));
    QVERIFY(TagInspectorRules::HasList(td.at(2))); // trimmed, any case
    QVERIFY(!TagInspectorRules::HasList(td.at(0)));
    QCOMPARE(TagInspectorRules::InitialValue(td.at(2)), QStringLiteral("left"));

    const QStringList items{QStringLiteral("Left"), QStringLiteral("Center"),
                            QStringLiteral("Right")};
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QStringLiteral(" center ")), 1);
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QStringLiteral("justify")), -1);
    QCOMPARE(TagInspectorRules::InitialListIndex(items, QString()), -1);

    // A file row starts empty (its default only marks it as a file row)
    // and is the one a double click opens the file dialog for.
    const AttrRecord src = AttrsOf(QStringLiteral("IMG")).first();
    QVERIFY(TagInspectorRules::HasFileDialog(src));
    QCOMPARE(TagInspectorRules::InitialValue(src), QString());
    QVERIFY(TagInspectorRules::ChoosesFile(src));
    QVERIFY(!TagInspectorRules::ChoosesFile(td.at(0)));
}

void TestInspectorRules::rowsAreWrittenByTheirKind()
{
    // Nothing included, or no rows at all: no text.
    QCOMPARE(Generate(QStringLiteral("TD"), {Row(false, QStringLiteral("50"))}), QString());
    QCOMPARE(Generate(QStringLiteral("TD"), {}), QString());

    // A typed row is written even when empty; NOVALUE is the name alone,
    // once; a list row without a value is left out; the quote field is
    // trimmed.
    QCOMPARE(Generate(QStringLiteral("TD"),
                      {Row(true), Row(true, QStringLiteral("x")), Row(true, QStringLiteral("  ")),
                       Row(false)}),
             QStringLiteral(" WIDTH=\"\" NOWRAP"));
    QCOMPARE(Generate(QStringLiteral("TD"),
                      {Row(false), Row(false), Row(true, QStringLiteral("center")),
                       Row(true, QStringLiteral("Top"))}),
             QStringLiteral(" ALIGN=\"center\" VALIGN=\"Top\""));

    // Rows beyond the records are ignored.
    QCOMPARE(Generate(QStringLiteral("BR"), {Row(true, QStringLiteral("1"))}), QString());

    // A chosen file is written as the file system spells it.
    QCOMPARE(Generate(QStringLiteral("IMG"), {Row(true, QStringLiteral("/Web/Images/Logo.GIF"))}),
             QStringLiteral(" SRC=\"/Web/Images/Logo.GIF\""));
}

void TestInspectorRules::attributeCaseChangesNamesNotValues()
{
    QCOMPARE(Generate(QStringLiteral("TD"),
                      {Row(true, QStringLiteral("50%")), Row(true),
                       Row(true, QStringLiteral("Center")), Row(false)},
                      false),
             QStringLiteral(" width=\"50%\" nowrap align=\"Center\""));
}

void TestInspectorRules::coloursAreWrittenAsHexadecimal()
{
    const QList<QPair<QString, QString>> colours{
        {"Black", "#000000"},  {"Maroon", "#800000"},  {"Green", "#008000"}, {"Olive", "#808000"},
        {"Navy", "#000080"},   {"Purple", "#800080"},  {"Teal", "#008080"},  {"Gray", "#808080"},
        {"Silver", "#C0C0C0"}, {"Red", "#FF0000"},     {"Lime", "#00FF00"},  {"Yellow", "#FFFF00"},
        {"Blue", "#0000FF"},   {"Fuchsia", "#FF00FF"}, {"Aqua", "#00FFFF"},  {"White", "#FFFFFF"}};
    for (const auto &[name, hex] : colours) {
        QCOMPARE(TagInspectorRules::ColorText(name), hex);
        QCOMPARE(TagInspectorRules::ColorText(name.toLower()), hex);
    }

    // The list's text is written, not the value cell's; an empty list
    // writes nothing between the quotes.
    QCOMPARE(Generate(QStringLiteral("TABLE"),
                      {Row(false), Row(true, QStringLiteral("Red"), QStringLiteral(" Silver "))}),
             QStringLiteral(" BGCOLOR=\"#C0C0C0\""));
    QCOMPARE(Generate(QStringLiteral("TABLE"), {Row(false), Row(true, QString(), QString())}),
             QStringLiteral(" BGCOLOR=\"\""));
}

void TestInspectorRules::unknownColourFailsTheGeneration()
{
    // Names QColor knows but that are not among the sixteen are refused too.
    for (const QString &name :
         {QStringLiteral("Orange"), QStringLiteral("clRed"), QStringLiteral("#FF0000")}) {
        const QString error = Raised([&] {
            Generate(QStringLiteral("TABLE"), {Row(true, "1"), Row(true, QString(), name)});
        });
        QVERIFY2(error.startsWith(QStringLiteral("Can not generate attribute: ")),
                 qPrintable(error));
        QVERIFY2(error.contains(name), qPrintable(error));
    }
}

void TestInspectorRules::docTypeVersionBecomesItsPublicIdentifier()
{
    // The version replaces everything before it, its own part included;
    // what follows is still written.
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"),
                      {Row(true, QStringLiteral("EN")), Row(true, QStringLiteral("html 3.2")),
                       Row(true, QStringLiteral("x"))}),
             QStringLiteral(" HTML PUBLIC \"-//W3C//DTD HTML 3.2 FINAL//EN\" AFTER=\"x\""));
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 2.0")}, false),
             QStringLiteral(" html public \"//ietf//dtd html 2.0//en\""));
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 4.0")}),
             QStringLiteral(" HTML PUBLIC \"-//W3C//DTD HTML 4.0 FINAL//EN\""));
    // Other versions, and the same value on another tag, stay as given.
    QCOMPARE(Generate(QStringLiteral("!DOCTYPE"), {Row(false), Row(true, "HTML 5")}),
             QStringLiteral(" VERSION=\"HTML 5\""));
    QCOMPARE(Generate(QStringLiteral("TD"), {Row(false), Row(false), Row(true, "HTML 3.2")}),
             QStringLiteral(" ALIGN=\"HTML 3.2\""));
}

QTEST_MAIN(TestInspectorRules)
#include "tst_inspectorrules.moc"
