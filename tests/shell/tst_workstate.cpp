// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/FatalErrorText.h"
#include "platform/RegistryStore.h"
#include "shell/SettingsKeys.h"
#include "shell/WorkState.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_WorkState : public QObject {
    Q_OBJECT
private slots:
    void init();
    void placementText();
    void placementTextParsing();
    void loadReadsDirAndPlacements();
    void loadFailures();
    void saveDropsTheTrailingSeparator();

private:
    QString Work() const { return SettingsKeys::Path(QStringLiteral("Work")); }
    std::unique_ptr<QTemporaryDir> FTemp;
    std::unique_ptr<RegistryStore> FRegistry;
};

void tst_WorkState::init()
{
    FatalErrorText().clear();
    FTemp = std::make_unique<QTemporaryDir>();
    FRegistry = std::make_unique<RegistryStore>(FTemp->filePath(QStringLiteral("registry.json")));
}

void tst_WorkState::placementText()
{
    QCOMPARE(WorkState::FormatWindowPlacement({true, false, -4, -4, 1288, 808}),
             QStringLiteral("1,0,1,1,1288,808"));
    QCOMPARE(WorkState::FormatWindowPlacement({false, true, 0, 25, 290, 600}),
             QStringLiteral("0,1,0,25,290,600"));
    const WindowPlacement odd{false, true, 2000, 3, -5, 0};
    QCOMPARE(WorkState::ParseWindowPlacement(WorkState::FormatWindowPlacement(odd)),
             std::optional(odd));
}

void tst_WorkState::placementTextParsing()
{
    QCOMPARE(WorkState::ParseWindowPlacement("0,1,10,20,300,400"),
             std::optional(WindowPlacement{false, true, 10, 20, 300, 400}));
    // Only 1 means on; extra fields before the last are read but unused;
    // the text after the last comma is always the height.
    QCOMPARE(WorkState::ParseWindowPlacement("2,1,10,20,300,7,8,400"),
             std::optional(WindowPlacement{false, true, 10, 20, 300, 400}));
    QCOMPARE(WorkState::ParseWindowPlacement("1,55"),
             std::optional(WindowPlacement{true, false, 0, 0, 0, 55}));

    QString error;
    QVERIFY(!WorkState::ParseWindowPlacement("0,0,x,1,1,1", &error));
    QCOMPARE(error, QStringLiteral("'x' is not a valid integer value"));
    QVERIFY(!WorkState::ParseWindowPlacement("0,0,1,1,1,1,", &error));
    QVERIFY(!WorkState::ParseWindowPlacement("0,0,1,1,1,99999999999", &error));
}

void tst_WorkState::loadReadsDirAndPlacements()
{
    QVERIFY(FRegistry->CreateKey(Work()));
    QVERIFY(FRegistry->WriteText(Work(), "Dir", "  /home/Ann/Web Pages "));
    QVERIFY(FRegistry->WriteText(Work(), "Main Form", " 1,0,1,1,1024,700 "));
    WorkState state;
    const WindowPlacement inspectorDefault{false, true, 735, 0, 290, 600};
    state.InspectorPlacement = inspectorDefault;
    QVERIFY(state.LoadWorkState(*FRegistry));
    QCOMPARE(state.WorkDir, QStringLiteral("/home/Ann/Web Pages"));
    QCOMPARE(state.MainPlacement, (WindowPlacement{true, false, 1, 1, 1024, 700}));
    // A missing placement leaves the default one.
    QCOMPARE(state.InspectorPlacement, inspectorDefault);
    QCOMPARE(FatalErrorText(), QString());
}

void tst_WorkState::loadFailures()
{
    WorkState state;
    QVERIFY(!state.LoadWorkState(*FRegistry));
    QCOMPARE(FatalErrorText(), QStringLiteral("Can not read working directory."));

    FatalErrorText().clear();
    QVERIFY(FRegistry->CreateKey(Work()));
    QVERIFY(FRegistry->WriteText(Work(), "Dir", "/somewhere"));
    QVERIFY(FRegistry->WriteText(Work(), "Tag Inspector", "0,1,10,twenty,300,400"));
    // A placement that does not parse is ignored: the default stays.
    QVERIFY(state.LoadWorkState(*FRegistry));
    QCOMPARE(state.WorkDir, QStringLiteral("/somewhere"));
    QCOMPARE(state.InspectorPlacement, WindowPlacement());
}

void tst_WorkState::saveDropsTheTrailingSeparator()
{
    WorkState state;
    state.WorkDir = "/home/Ann/Web Pages/";
    state.MainPlacement = {false, true, -4, 10, 800, 600};
    state.InspectorPlacement = {false, true, 801, 0, 290, 600};
    QVERIFY(state.SaveWorkState(*FRegistry));
    QCOMPARE(FRegistry->ReadText(Work(), "Dir").value(), QStringLiteral("/home/Ann/Web Pages"));
    QCOMPARE(FRegistry->ReadText(Work(), "Main Form").value(), QStringLiteral("0,0,1,10,800,600"));
    QCOMPARE(FRegistry->ReadText(Work(), "Tag Inspector").value(),
             QStringLiteral("0,1,801,0,290,600"));

    state.WorkDir = "C:\\Pages\\";
    QVERIFY(state.SaveWorkState(*FRegistry));
    QCOMPARE(FRegistry->ReadText(Work(), "Dir").value(), QStringLiteral("C:\\Pages"));
    state.WorkDir = "/";
    QVERIFY(state.SaveWorkState(*FRegistry));
    QCOMPARE(FRegistry->ReadText(Work(), "Dir").value(), QStringLiteral("/"));

    WorkState loaded;
    QVERIFY(loaded.LoadWorkState(*FRegistry));
    QCOMPARE(loaded.InspectorPlacement, state.InspectorPlacement);
    QCOMPARE(FatalErrorText(), QString());
}

QTEST_MAIN(tst_WorkState)
#include "tst_workstate.moc"
