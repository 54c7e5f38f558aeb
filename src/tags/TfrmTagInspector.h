// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagInsertion.h"
#include "tags/TagInspectorFormBuilder.h"
#include "tags/TagInspectorRules.h"
#include "tags/TagRecords.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class InspectorHost;
class QComboBox;
class QCheckBox;
class TDataMod;
class Workspace;

// The Tag Inspector: a tool window that builds a start tag attribute by
// attribute from the catalogue. The user narrows the tag list with the tag
// filter, picks a tag, includes attributes and gives their values in the
// grid, and inserts the whole tag or only its attributes into the active
// page. The window exists from start-up on, shown or not; its object also
// offers the whole program the letter-case rules and the insertion of a tag
// by name.
//
// Operations raise std::runtime_error with their message ("Can not load
// tags: ...", ...); the handlers (the public slots) show a raised message
// as an error box. Failures while the window is being created go to the
// start-up error text instead.
class TfrmTagInspector : public QWidget, public TagInspectorControls {
    Q_OBJECT
public:
    // The group of the main window's lookup list that holds the tag groups.
    static const QString TagGroupsKey;
    static const QString AllTagsName;
    static constexpr int MaxTagLength = 30;

    TfrmTagInspector(Workspace &workspace, TDataMod &dataMod, InspectorHost &host,
                     QWidget *parent = nullptr);
    ~TfrmTagInspector() override;

    // Tag insertion by name and the letter-case rules, for the whole program.
    QString TagCase(const QString &text) const { return FInsertion.TagCase(text); }
    QString AttrCase(const QString &text) const { return FInsertion.AttrCase(text); }
    bool InsertTag(const QString &name) { return FInsertion.InsertTag(name); }
    QString GetTagPrompt(const QString &name) const { return FInsertion.GetTagPrompt(name); }

    // The window's state.
    QString CurrentTag() const { return FCurrentTag; }
    int AllTagsCode() const { return FAllTagsCode; }
    int CurrentRow() const { return FCurrentRow; }
    int PreviousRow() const { return FPreviousRow; }
    QString CurrentDefault() const { return FCurrentDefault; }
    QString CurrentType() const { return FCurrentType; }
    const QStringList &TagNames() const { return FTagNames; }
    const QStringList &CanEditFlags() const { return FCanEditFlags; }
    // The row's attribute is typed into (rows count from 1).
    bool CanEditRow(int row) const;
    // The embedded controls of a grid row, or null.
    QCheckBox *IncludeBox(int row) const;
    QComboBox *ValueList(int row) const;
    bool StayOnTop() const;

    // Selects a filter entry or a tag by its text, as the user would, and
    // runs the change; false when there is no such entry.
    bool ChooseTagGroup(const QString &group, QObject *sender = nullptr);
    bool ChooseTag(const QString &display);

    // The operations behind the handlers; each raises its message.
    bool LoadTagGroups();
    void LoadTagList(int groupCode);
    void LoadAttributes();
    void ClearAttrGrid();
    QString GenerateAttributes();
    void InsertInspectorTag();
    void InsertInspectorAttributes();

public slots:
    void FormClose();
    // sender: who changed the filter; the tag notebook (the main window's
    // tag-group tab control) is not turned back to the page it came from.
    void cbTagGroupsChange(QObject *sender = nullptr);
    void cbTagDispChange();
    void AttrGridSelectCell(int col, int row);
    void AttrGridDblClick();
    void ValueComboChange(QComboBox *list);
    // Up and Down in a value list move between the attributes; true when
    // the key was taken.
    bool ValueComboKeyDown(int key);
    void AttrGridKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void sbInsertTagClick();
    void sbAttributesClick();
    void sbHelpClick();
    void sbCloseClick();
    void cbStayOnTopClick();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void FormCreate();
    void FormDestroy();
    void ConnectControls();
    QList<InspectorRowState> RowStates() const;
    void SelectTagRecord();
    void AddAttributeRow(int row, const AttrRecord &attribute);
    void FillLookupCombo(QComboBox &list, const AttrRecord &attribute);
    static void SelectComboValue(QComboBox &list, const QString &value);
    void ShowValueControl(int row, bool visible);
    // Selects the filter entry of a tag notebook page ("Image" is the
    // group "Image & Imagemap").
    void SelectGroupEntry(const QString &page);
    void TagGroupsChanged(QObject *sender);
    // Row 1's include mark becomes the current cell.
    void ShowFirstRow();
    // Runs a handler; a raised message is shown as the application shows
    // errors.
    void Handle(const std::function<void()> &handler);

    Workspace &FWorkspace;
    TDataMod &FDataMod;
    InspectorHost &FHost;
    TagInsertion FInsertion;

    QStringList FTagNames;
    QStringList FCanEditFlags;
    QString FCurrentTag;
    int FAllTagsCode = 0;
    int FCurrentRow = 1;
    int FPreviousRow = 1;
    QString FCurrentDefault;
    QString FCurrentType;
    // The current tag record and its attribute records (grid row r is
    // record r-1).
    TagRecord FTag;
    QList<AttrRecord> FAttributes;
    // The grid is being rebuilt: its cell changes are not the user's.
    bool FLoading = false;
};

// The program-wide Tag Inspector (created at start-up).
extern TfrmTagInspector *frmTagInspector;
