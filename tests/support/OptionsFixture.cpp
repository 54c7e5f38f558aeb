// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OptionsFixture.h"

void OptionsFixture::init()
{
    FDialogs = std::make_unique<ScriptedDialogs>();
    FTarget = std::make_unique<FakeOptionsTarget>();
    FForm = std::make_unique<TfrmOptions>(FTarget.get());
    FTarget->dialog = FForm.get();
}

void OptionsFixture::cleanup()
{
    FTarget->CloseAllDocuments();
    FForm.reset();
    FTarget.reset();
    FDialogs.reset();
}

OptionsData OptionsFixture::SampleData()
{
    OptionsData data;
    data.values.wordWrap = false;
    data.values.editorFont = QFont(QStringLiteral("Courier New"), 8);
    data.values.editorFontColor = QColor(0x80, 0, 0);
    data.values.backColor = QColor(0xC0, 0xC0, 0xC0);
    data.values.saveInterval = 7;
    data.values.rufEntries = 5;
    data.values.showTipsAtStartup = false;
    data.values.toolBar = false;
    data.values.messageBar = true;
    data.values.tagNotebookBar = false;
    data.browsers = {QStringLiteral("/usr/bin/firefox"), QStringLiteral("/opt/Falkon/falkon")};
    data.browserIndex = 1;
    data.customColors = {QColor(1, 2, 3)};
    return data;
}

QStringList OptionsFixture::MessageTexts() const
{
    QStringList texts;
    for (const ScriptedDialogs::Call &call : FDialogs->Messages())
        texts.append(call.text);
    return texts;
}
