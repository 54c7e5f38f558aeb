// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The Tag Inspector's attribute grid: building it for a tag, its embedded
// include marks and value lists, choosing cells, the keys, and reading the
// rows back. The window, its lists and commands are in TfrmTagInspector.cpp.
#include "tags/TfrmTagInspector.h"

#include "controls/FormBusy.h"
#include "controls/TObjectGrid.h"
#include "editor/TfrmMDIChild.h"
#include "editor/Workspace.h"
#include "platform/RaisedError.h"
#include "tags/InspectorHost.h"
#include "tags/TDataMod.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <QTextBrowser>

namespace {
constexpr int NameCol = 0;
constexpr int IncludeCol = 1;
constexpr int ValueCol = 2;
} // namespace

void TfrmTagInspector::LoadAttributes()
{
    repaint();
    FCurrentTag.clear();
    FWorkspace.SetStatusText(0, QStringLiteral(" Wait..."));
    GridPanel->hide();
    FLoading = true;
    ClearAttrGrid();
    SetFormBusy(this, true);
    FCanEditFlags.clear();
    AttrGrid->SetRowCount(2);
    try {
        const int index = cbTagDisp->currentIndex();
        if (index >= 0 && index < FTagNames.size())
            FCurrentTag = FTagNames.at(index).left(MaxTagLength);
        SelectTagRecord();
        memoDescription->setHtml(FTag.Description);

        if (!FAttributes.isEmpty()) {
            AttrGrid->SetRowCount(int(FAttributes.size()) + 1);
            for (int row = 1; row <= FAttributes.size(); ++row) {
                AddAttributeRow(row, FAttributes.at(row - 1));
                QCoreApplication::processEvents();
            }
            GridPanel->show();
        }
        FCurrentDefault = FAttributes.isEmpty() ? QString() : FAttributes.first().DefaultValue;
        FCurrentType = FAttributes.isEmpty() ? QString() : FAttributes.first().Type;
        FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
    } catch (...) {
        const QString reason = CaughtErrorText();
        FLoading = false;
        FWorkspace.SetStatusText(0, QStringLiteral(" Error"));
        SetFormBusy(this, false);
        RaiseError(QStringLiteral("Can not load attributes: %1"), reason);
    }
    FLoading = false;
    SetFormBusy(this, false);
}

void TfrmTagInspector::AddAttributeRow(int row, const AttrRecord &attribute)
{
    AttrGrid->SetCells(NameCol, row, TagInspectorRules::DisplayName(attribute));
    FCanEditFlags.append(attribute.CanEdit ? QStringLiteral("True") : QStringLiteral("False"));
    AttrGrid->SetCells(IncludeCol, row, QString());
    AttrGrid->SetCells(ValueCol, row, TagInspectorRules::InitialValue(attribute));
    const int dataRow = row - AttrGrid->FixedRows();
    for (int col : {NameCol, IncludeCol})
        AttrGrid->item(dataRow, col)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);

    auto *include = new QCheckBox(AttrGrid->viewport());
    include->setFocusPolicy(Qt::ClickFocus);
    AttrGrid->SetObjects(IncludeCol, row, include);

    if (TagInspectorRules::HasList(attribute)) {
        auto *list = new QComboBox(AttrGrid->viewport());
        list->setEditable(false);
        AttrGrid->SetObjects(ValueCol, row, list);
        FillLookupCombo(*list, attribute);
        SelectComboValue(*list, attribute.DefaultValue.trimmed());
        connect(list, &QComboBox::activated, this, [this, list] { ValueComboChange(list); });
        list->installEventFilter(this);
    }
    AttrGrid->LayoutControls();
}

void TfrmTagInspector::ClearAttrGrid()
{
    GridPanel->hide();
    for (int row = AttrGrid->FixedRows(); row < AttrGrid->RowCount(); ++row) {
        for (int col : {IncludeCol, ValueCol}) {
            QWidget *control = AttrGrid->Objects(col, row);
            AttrGrid->SetObjects(col, row, nullptr);
            delete control;
        }
        for (int col : {NameCol, IncludeCol, ValueCol})
            AttrGrid->SetCells(col, row, QString());
    }
}

void TfrmTagInspector::FillLookupCombo(QComboBox &list, const AttrRecord &attribute)
{
    const QSignalBlocker blocker(&list);
    list.addItems(FDataMod.Store().LookupValues(attribute.LookupIndex));
    // A list starts without a choice until the default picks one.
    list.setCurrentIndex(-1);
}

void TfrmTagInspector::SelectComboValue(QComboBox &list, const QString &value)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items.append(list.itemText(i));
    const int index = TagInspectorRules::InitialListIndex(items, value);
    if (index >= 0) {
        const QSignalBlocker blocker(&list);
        list.setCurrentIndex(index);
    }
}

bool TfrmTagInspector::CanEditRow(int row) const
{
    return !FCanEditFlags.isEmpty() && row >= 1 && row <= FCanEditFlags.size()
           && FCanEditFlags.at(row - 1) == QLatin1String("True");
}

QCheckBox *TfrmTagInspector::IncludeBox(int row) const
{
    return qobject_cast<QCheckBox *>(AttrGrid->Objects(IncludeCol, row));
}

QComboBox *TfrmTagInspector::ValueList(int row) const
{
    return qobject_cast<QComboBox *>(AttrGrid->Objects(ValueCol, row));
}

void TfrmTagInspector::ShowValueControl(int row, bool visible)
{
    if (QComboBox *list = ValueList(row))
        list->setVisible(visible);
}

void TfrmTagInspector::AttrGridSelectCell(int col, int row)
{
    if (FLoading || row < 1 || row > FAttributes.size())
        return;
    if (col == NameCol) {
        // The names are not chosen; the row's include mark is.
        AttrGrid->SetCurrentCell(IncludeCol, row);
        return;
    }
    FCurrentRow = row;
    if (row != FPreviousRow) {
        const AttrRecord &attribute = FAttributes.at(row - 1);
        FCurrentDefault = attribute.DefaultValue;
        FCurrentType = attribute.Type;
        ShowValueControl(row, true);
        if (FPreviousRow != row)
            ShowValueControl(FPreviousRow, false);
        FPreviousRow = row;
    }
    AttrGrid->setEditTriggers(col == ValueCol && CanEditRow(row)
                                  ? QAbstractItemView::AnyKeyPressed
                                        | QAbstractItemView::EditKeyPressed
                                        | QAbstractItemView::SelectedClicked
                                  : QAbstractItemView::NoEditTriggers);
    ShowValueControl(row, true);
}

void TfrmTagInspector::AttrGridDblClick()
{
    Handle([this] {
        const int row = AttrGrid->Row();
        if (!CanEditRow(row) || AttrGrid->Col() != ValueCol
            || FCurrentDefault != QLatin1String("Select"))
            return;
        try {
            const QString chosen = FHost.SelectFile(FCurrentType);
            if (chosen.isEmpty())
                return;
            const TfrmMDIChild *page = FWorkspace.ActiveDocument();
            const QString pageFile = page && !page->IsUntitled() ? page->FileName() : QString();
            AttrGrid->SetCells(ValueCol, row, TagInspectorRules::FileReference(chosen, pageFile));
        } catch (...) {
            RaiseError(QStringLiteral("Can not find attribute: %1"), CaughtErrorText());
        }
    });
}

void TfrmTagInspector::ValueComboChange(QComboBox *list)
{
    for (int row = 1; list && row <= FAttributes.size(); ++row) {
        if (ValueList(row) == list) {
            if (!list->currentText().isEmpty())
                AttrGrid->SetCells(ValueCol, row, list->currentText());
            return;
        }
    }
}

bool TfrmTagInspector::ValueComboKeyDown(int key)
{
    if (key != Qt::Key_Down && key != Qt::Key_Up)
        return false;
    const int row = FCurrentRow;
    if (key == Qt::Key_Down && row < FAttributes.size())
        AttrGrid->SetCurrentCell(ValueCol, row + 1);
    else if (key == Qt::Key_Up && row > 1)
        AttrGrid->SetCurrentCell(ValueCol, row - 1);
    if (QComboBox *list = ValueList(FCurrentRow))
        list->setFocus();
    else
        AttrGrid->setFocus();
    return true;
}

void TfrmTagInspector::AttrGridKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    if (key != Qt::Key_V || modifiers != Qt::ControlModifier)
        return;
    const int row = AttrGrid->Row();
    if (AttrGrid->Col() == ValueCol && CanEditRow(row))
        AttrGrid->SetCells(ValueCol, row, QGuiApplication::clipboard()->text());
}

QList<InspectorRowState> TfrmTagInspector::RowStates() const
{
    QList<InspectorRowState> rows;
    for (int row = 1; row <= FAttributes.size(); ++row) {
        InspectorRowState state;
        const QCheckBox *include = IncludeBox(row);
        state.Included = include && include->isChecked();
        state.Value = AttrGrid->Cells(ValueCol, row);
        if (const QComboBox *list = ValueList(row))
            state.ListText = list->currentText();
        rows.append(state);
    }
    return rows;
}

void TfrmTagInspector::ShowFirstRow()
{
    if (FAttributes.isEmpty())
        return;
    {
        const QSignalBlocker blocker(AttrGrid);
        AttrGrid->SetCurrentCell(IncludeCol, 1);
    }
    AttrGridSelectCell(IncludeCol, 1);
}
