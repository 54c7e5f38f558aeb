// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PageFiles.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "support/FakeWorkspace.h"
#include "support/ScriptedDialogs.h"

#include <QtTest>
#include <stdexcept>

namespace {

// Notes the caption a window has when the frame receives it, and can
// refuse to take it.
class RecordingWorkspace : public FakeWorkspace {
public:
    QStringList captionsWhenAdded;
    bool refuse = false;
    void AddDocumentWindow(TfrmMDIChild *child) override
    {
        captionsWhenAdded << child->windowTitle();
        if (refuse)
            throw std::runtime_error("Out of window handles");
        FakeWorkspace::AddDocumentWindow(child);
    }
};

} // namespace

class TestPageFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void newPageIsUntitledAndNumbered();
    void numberCountsOpenWindows();
    void newPageStatusAndIndicator();
    void newPageFailureIsReported();

private:
    ScriptedDialogs *FDialogs = nullptr;
    RecordingWorkspace *FWorkspace = nullptr;
};

void TestPageFiles::init()
{
    FDialogs = new ScriptedDialogs;
    FWorkspace = new RecordingWorkspace;
}

void TestPageFiles::cleanup()
{
    delete FWorkspace;
    delete FDialogs;
}

void TestPageFiles::newPageIsUntitledAndNumbered()
{
    PageFiles pages(*FWorkspace);
    TfrmMDIChild *child = pages.NewPage();
    QVERIFY(child);
    QVERIFY(child->IsUntitled());
    QCOMPARE(child->windowTitle(), QStringLiteral("Quillon  1"));
    // The designed caption never shows.
    QCOMPARE(FWorkspace->captionsWhenAdded, QStringList{QStringLiteral("Quillon  1")});
    QCOMPARE(FWorkspace->ActiveDocument(), child);
    QVERIFY(child->EditMemo->Text().isEmpty());
    QVERIFY(!child->EditMemo->Modified());
}

void TestPageFiles::numberCountsOpenWindows()
{
    PageFiles pages(*FWorkspace);
    TfrmMDIChild *first = pages.NewPage();
    TfrmMDIChild *second = pages.NewPage();
    QCOMPARE(second->windowTitle(), QStringLiteral("Quillon  2"));
    QVERIFY(first->close());
    QCOMPARE(FWorkspace->DocumentCount(), 1);
    // The number repeats: it counts the windows, it is no serial number.
    TfrmMDIChild *third = pages.NewPage();
    QCOMPARE(third->windowTitle(), QStringLiteral("Quillon  2"));
    QCOMPARE(FWorkspace->DocumentCount(), 2);
}

void TestPageFiles::newPageStatusAndIndicator()
{
    FWorkspace->panels[4] = QStringLiteral("Modified...");
    PageFiles pages(*FWorkspace);
    pages.NewPage();
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Ready"));
    QCOMPARE(FWorkspace->Panel(4), QString());
    QCOMPARE(FWorkspace->busyCalls, (QList<bool>{true, false}));
    QCOMPARE(FWorkspace->modifiedIndicatorCalls, (QList<bool>{true, false, true}));
    QVERIFY(FWorkspace->modifiedIndicatorOn);
}

void TestPageFiles::newPageFailureIsReported()
{
    FWorkspace->refuse = true;
    PageFiles pages(*FWorkspace);
    QCOMPARE(pages.NewPage(), nullptr);
    QCOMPARE(FWorkspace->DocumentCount(), 0);
    QCOMPARE(FWorkspace->Panel(0), QStringLiteral(" Error"));
    const QList<ScriptedDialogs::Call> asked = FDialogs->Messages();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked[0].msgKind, MsgKind::Warning);
    QCOMPARE(asked[0].buttons, MsgButtons(mbOK));
    QCOMPARE(asked[0].text, QStringLiteral("Can not create new web page .\rOut of window handles"));
    // The busy state is always left.
    QCOMPARE(FWorkspace->busyCalls, (QList<bool>{true, false}));
    QVERIFY(!FWorkspace->busy);
}

QTEST_MAIN(TestPageFiles)
#include "tst_pagefiles.moc"
