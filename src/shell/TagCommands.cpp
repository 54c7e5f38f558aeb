// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TagCommands.h"

#include "controls/ColorText.h"
#include "controls/LetterCase.h"
#include "editor/InsertionOperations.h"
#include "editor/LiveOptions.h"
#include "editor/TRCRichEdit.h"
#include "editor/TfrmMDIChild.h"
#include "platform/Dialogs.h"
#include "platform/ProductInfo.h"
#include "shell/FileDialogs.h"
#include "shell/MainCommandTable.h"
#include "shell/TfrmMainForm.h"
#include "tags/TagStore.h"
#include "tags/TfrmTagInspector.h"

#include <QPointer>
#include <exception>

namespace {

const QString CrLf = QStringLiteral("\r\n");
// Start of the anchor's and the image's attribute value: "<A HREF=\"" and
// "<IMG SRC=\"" are nine and ten characters long in either case.
constexpr int AnchorValueOffset = 9;
constexpr int ImageValueOffset = 10;
// Silver, where the colour selector starts.

} // namespace

TagCommands::TagCommands(TfrmMainForm &form) : QObject(&form), FForm(form)
{
    setObjectName(QStringLiteral("TagCommands"));
    ConnectButtons();
}

void TagCommands::ConnectButtons()
{
    for (const MainCommandRecord &record : MainCommandTable::Records()) {
        if (record.handler.OnTagCommands())
            MainCommandTable::Connect(record, FForm, this);
    }
}

QString TagCommands::TagCase(const QString &text) const
{
    return ::TagCase(text, FForm.Options().cbTagUpperCase());
}

QString TagCommands::AttrCase(const QString &text) const
{
    return ::AttrCase(text, FForm.Options().cbAttrUpperCase());
}

void TagCommands::InsertTagByName(const QString &name)
{
    // The Tag Inspector's object exists from start-up on; before that (or
    // after a failed start) there is no catalogue to insert from.
    if (frmTagInspector)
        frmTagInspector->InsertTag(name);
    else
        FForm.ErrorBeep();
}

void TagCommands::sbCommentClick()
{
    TfrmMDIChild *document = FForm.DocumentCount() > 0 ? FForm.ActiveDocument() : nullptr;
    if (!document) {
        // This button beeps whatever the sound option says.
        Dialogs::Instance().Beep();
        return;
    }
    const QString selection = document->EditMemo->SelText();
    if (!selection.isEmpty()) {
        InsertText(FForm, QStringLiteral("<!-- ") + selection + QStringLiteral(" -->"), 0);
        return;
    }
    const QString text = FForm.Options().cbTagPrompt()
        ? QStringLiteral("<!-- Type your comment here -->")
        : QStringLiteral("<!--   -->");
    InsertText(FForm, text, 5);
}

void TagCommands::InsertAlignment(const QString &attribute)
{
    // InsertText refuses with the beep rule when no page is open.
    InsertText(FForm, QLatin1Char(' ') + AttrCase(attribute), -1);
}

void TagCommands::sbAlignLeftClick()
{
    InsertAlignment(QStringLiteral("ALIGN=LEFT"));
}

void TagCommands::sbAlignCenterClick()
{
    InsertAlignment(QStringLiteral("ALIGN=CENTER"));
}

void TagCommands::sbAlignRightClick()
{
    InsertAlignment(QStringLiteral("ALIGN=RIGHT"));
}

void TagCommands::sbAClick()
{
    QPointer<TfrmMDIChild> document = FForm.DocumentCount() > 0 ? FForm.ActiveDocument() : nullptr;
    if (!document) {
        FForm.ErrorBeep();
        return;
    }
    const QString A = TagCase(QStringLiteral("A"));
    const QString H = AttrCase(QStringLiteral("HREF"));
    QString selection = TrimBlanksAndControls(document->EditMemo->SelText());
    const bool prompted = FForm.Options().cbTagPrompt();
    QString prompt;
    if (prompted) {
        if (selection.isEmpty())
            selection = QStringLiteral("Type text that will be highlighted here");
        if (frmTagInspector) {
            try {
                prompt = frmTagInspector->GetTagPrompt(QStringLiteral("A"));
            } catch (const StoreError &error) {
                Dialogs::Instance().MessageBox(MsgKind::Error, error.Message(), mbOK);
                return;
            } catch (const std::exception &error) {
                Dialogs::Instance().MessageBox(MsgKind::Error, QString::fromLocal8Bit(error.what()),
                                               mbOK);
                return;
            }
        }
    }
    const QString text = QLatin1Char('<') + A + QLatin1Char(' ') + H + QStringLiteral("=\"")
        + prompt + QStringLiteral("\">") + selection + QStringLiteral("</") + A + QLatin1Char('>');
    InsertText(FForm, text, AnchorValueOffset);
    if (prompted && document)
        document->EditMemo->SetSelLength(int(prompt.size()));
}

void TagCommands::sbIMAGEClick()
{
    QPointer<TfrmMDIChild> document = FForm.DocumentCount() > 0 ? FForm.ActiveDocument() : nullptr;
    if (!document) {
        FForm.ErrorBeep();
        return;
    }
    const QString I = TagCase(QStringLiteral("IMG"));
    const QString R = AttrCase(QStringLiteral("SRC"));
    QString selection = TrimBlanksAndControls(document->EditMemo->SelText());
    const bool prompted = FForm.Options().cbTagPrompt();
    const QString start = QLatin1Char('<') + I + QLatin1Char(' ') + R + QStringLiteral("=\"");
    QString text;
    if (prompted) {
        if (selection.isEmpty())
            selection = QStringLiteral("image.gif");
        text = start + selection + QStringLiteral("\">");
    } else {
        // The selected file name follows the element; the value is left
        // for the user to fill in.
        text = start + QStringLiteral("\">") + selection;
    }
    InsertText(FForm, text, ImageValueOffset);
    if (prompted && document)
        document->EditMemo->SetSelLength(int(selection.size()));
}

void TagCommands::ConvertSelection(bool upper)
{
    TfrmMDIChild *document = FForm.DocumentCount() > 0 ? FForm.ActiveDocument() : nullptr;
    const QString selection = document ? document->EditMemo->SelText() : QString();
    if (selection.isEmpty()) {
        FForm.ErrorBeep();
        return;
    }
    InsertText(FForm, upper ? AsciiUpper(selection) : AsciiLower(selection), -1);
}

void TagCommands::mnuUpperCaseClick()
{
    ConvertSelection(true);
}

void TagCommands::mnuLowerCaseClick()
{
    ConvertSelection(false);
}

void TagCommands::sbUpperCaseClick()
{
    if (FForm.DocumentCount() == 0) {
        FForm.ErrorBeep();
        return;
    }
    mnuUpperCaseClick();
}

void TagCommands::sbLowerCaseClick()
{
    if (FForm.DocumentCount() == 0) {
        FForm.ErrorBeep();
        return;
    }
    mnuLowerCaseClick();
}

void TagCommands::mnuColorPickerClick()
{
    if (FForm.DocumentCount() == 0 || !FForm.ActiveDocument()) {
        FForm.ErrorBeep();
        Dialogs::Instance().MessageBox(MsgKind::Information,
                                       QStringLiteral("Can not open Color Selector.\r")
                                           + QStringLiteral("Open any existing or new web page.")
                                           + QStringLiteral("\r"),
                                       mbOK);
        return;
    }
    const int color = FForm.FileDialogService().PickColor(false);
    if (color == FileDialogs::ColorCancelled)
        return;
    InsertText(FForm, ColorText(QColor::fromRgb(QRgb(color))), -1);
}

void TagCommands::sbColorPickerClick()
{
    mnuColorPickerClick();
}

QString TagCommands::MakerLinkText() const
{
    const QString &page = ProductInfo::WebPage;
    const QStringList lines = {
        TagCase(QStringLiteral("<BR>")),
        TagCase(QStringLiteral("<CENTER>")),
        TagCase(QStringLiteral("<A ")) + AttrCase(QStringLiteral("HREF=\"")) + page
            + QStringLiteral("\">"),
        TagCase(QStringLiteral("<IMG ")) + AttrCase(QStringLiteral("SRC=\"")) + page
            + QStringLiteral("/") + QStringLiteral("varonow.gif")
            + AttrCase(QStringLiteral("\" ALT=\""))
            + QStringLiteral("Double click here to download Quillon")
            + AttrCase(QStringLiteral("\" BORDER=0>")),
        TagCase(QStringLiteral("</A>")),
        TagCase(QStringLiteral("</CENTER>")),
    };
    QString text;
    for (const QString &line : lines)
        text += line + CrLf;
    return text;
}

void TagCommands::mnuLinkToVaroPageClick()
{
    if (FForm.DocumentCount() == 0 || !FForm.ActiveDocument()) {
        FForm.ErrorBeep();
        return;
    }
    // The six lines go in as one insertion, so one Undo takes them back.
    InsertText(FForm, MakerLinkText(), -1);
    if (frmTagInspector)
        frmTagInspector->update();
}

void TagCommands::mnuPopLinkToVaroPageClick()
{
    mnuLinkToVaroPageClick();
}
