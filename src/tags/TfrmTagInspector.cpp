// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TfrmTagInspector.h"

#include "controls/FormBusy.h"
#include "controls/TList3Dim.h"
#include "controls/TObjectGrid.h"
#include "editor/LiveOptions.h"
#include "editor/Workspace.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/Help.h"
#include "platform/RaisedError.h"
#include "tags/InspectorHost.h"
#include "tags/TDataMod.h"
#include "tags/TagInspectorInsertion.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <stdexcept>

TfrmTagInspector *frmTagInspector = nullptr;

const QString TfrmTagInspector::TagGroupsKey = QStringLiteral("TagGroups");
const QString TfrmTagInspector::AllTagsName = QStringLiteral("All Tags");

namespace {
constexpr int NameCol = 0;
constexpr int IncludeCol = 1;
constexpr int ValueCol = 2;
} // namespace

TfrmTagInspector::TfrmTagInspector(Workspace &workspace, TDataMod &dataMod, InspectorHost &host,
                                   QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint),
      TagInspectorControls(TagInspectorFormBuilder::Build(*this)), FWorkspace(workspace),
      FDataMod(dataMod), FHost(host), FInsertion(workspace, dataMod.Store())
{
    setObjectName(QStringLiteral("frmTagInspector"));
    setWindowTitle(QStringLiteral("Tag Inspector"));
    resize(290, 400);
    frmTagInspector = this;
    ConnectControls();
    FormCreate();
}

TfrmTagInspector::~TfrmTagInspector()
{
    FormDestroy();
    if (frmTagInspector == this)
        frmTagInspector = nullptr;
}

void TfrmTagInspector::ConnectControls()
{
    connect(sbInsertTag, &QToolButton::clicked, this, &TfrmTagInspector::sbInsertTagClick);
    connect(sbAttributes, &QToolButton::clicked, this, &TfrmTagInspector::sbAttributesClick);
    connect(sbHelp, &QToolButton::clicked, this, &TfrmTagInspector::sbHelpClick);
    connect(sbClose, &QToolButton::clicked, this, &TfrmTagInspector::sbCloseClick);
    connect(cbStayOnTop, &QCheckBox::clicked, this, &TfrmTagInspector::cbStayOnTopClick);
    // Only the user's choices run the change handlers; the program sets
    // the lists without them.
    connect(cbTagGroups, &QComboBox::activated, this, [this] { cbTagGroupsChange(cbTagGroups); });
    connect(cbTagDisp, &QComboBox::activated, this, &TfrmTagInspector::cbTagDispChange);
    connect(AttrGrid, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { AttrGridSelectCell(col, row + AttrGrid->FixedRows()); });
    connect(AttrGrid, &QTableWidget::cellDoubleClicked, this, &TfrmTagInspector::AttrGridDblClick);
    AttrGrid->installEventFilter(this);
    // The grid hides value lists whenever it lays out its controls; the
    // current row keeps its list in view.
    auto keepValueList = [this] {
        if (AttrGrid->CellRect(ValueCol, FCurrentRow).isValid())
            ShowValueControl(FCurrentRow, true);
    };
    connect(AttrGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, keepValueList);
    connect(AttrGrid->horizontalScrollBar(), &QScrollBar::valueChanged, this, keepValueList);
}

void TfrmTagInspector::FormCreate()
{
    FHost.PlaceInspector(*this);
    FTagNames.clear();
    FCanEditFlags.clear();
    PageControl->setCurrentWidget(Attributes);
    FCurrentTag.clear();
    FCurrentRow = 1;
    FPreviousRow = 1;

    LoadTagGroups();
    AttrGrid->SetCells(NameCol, 0, QStringLiteral("Attribute :"));
    AttrGrid->SetCells(IncludeCol, 0, QStringLiteral("Include :"));
    AttrGrid->SetCells(ValueCol, 0, QStringLiteral("Value :"));

    try {
        LoadTagList(FAllTagsCode);
        cbTagGroups->setCurrentIndex(cbTagGroups->count() > 0 ? 0 : -1);

        bool known = false;
        FAllTagsCode = FHost.LookupData().Lookup(TagGroupsKey, AllTagsName).toInt(&known);
        if (!known)
            throw std::runtime_error("there is no tag group \"All Tags\"");

        cbTagDisp->setCurrentIndex(cbTagDisp->count() > 0 ? 0 : -1);
        LoadAttributes();
        SelectGroupEntry(FHost.CurrentTagGroupPage());
        TagGroupsChanged(this);
    } catch (...) {
        // The first failure of the start-up is the one worth reporting.
        if (FatalErrorText().isEmpty())
            FatalErrorText() =
                QStringLiteral("Can not create Tag Inspector: %1").arg(CaughtErrorText());
    }

    // A size change lets the aligned panels lay themselves out.
    const int designed = height();
    resize(width(), designed + 50);
    resize(width(), designed);
}

void TfrmTagInspector::FormDestroy()
{
    ClearAttrGrid();
    FTagNames.clear();
    FCanEditFlags.clear();
    cbTagGroups->clear();
    cbTagDisp->clear();
}

bool TfrmTagInspector::LoadTagGroups()
{
    TList3Dim &lookup = FHost.LookupData();
    lookup.AddGroup(TagGroupsKey);
    TagStore &store = FDataMod.Store();
    bool loaded = true;
    try {
        if (!store.IsOpen(TagStore::Table::TagGrp))
            store.Open(TagStore::Table::TagGrp);
        for (const TagGroupRecord &group : store.TagGroups()) {
            const QString name = group.Name.trimmed();
            // The filter lists its groups in alphabetical order.
            int at = 0;
            while (at < cbTagGroups->count()
                   && cbTagGroups->itemText(at).compare(name, Qt::CaseInsensitive) <= 0)
                ++at;
            cbTagGroups->insertItem(at, name);
            lookup.AddItem(TagGroupsKey, QString::number(group.Code), name);
        }
    } catch (...) {
        if (FatalErrorText().isEmpty())
            FatalErrorText() =
                QStringLiteral("Can not load tag filter box: %1").arg(CaughtErrorText());
        loaded = false;
    }
    // The groups are read once; the lookup list keeps them from here on.
    try {
        store.Close(TagStore::Table::TagGrp);
    } catch (...) {}
    return loaded;
}

void TfrmTagInspector::LoadTagList(int groupCode)
{
    SetFormBusy(this, true);
    GridPanel->hide();
    repaint();
    cbTagDisp->clear();
    FTagNames.clear();
    try {
        for (const TagRecord &tag : FDataMod.Store().Tags()) {
            if (groupCode == FAllTagsCode || tag.GroupIndex == groupCode) {
                cbTagDisp->addItem(tag.Display.trimmed());
                FTagNames.append(tag.TagName.trimmed());
            }
        }
        cbTagDisp->setCurrentIndex(cbTagDisp->count() > 0 ? 0 : -1);
    } catch (...) {
        const QString reason = CaughtErrorText();
        SetFormBusy(this, false);
        RaiseError(QStringLiteral("Can not load tags: %1"), reason);
    }
    SetFormBusy(this, false);
}

void TfrmTagInspector::SelectTagRecord()
{
    const TagStore &store = FDataMod.Store();
    FTag = TagRecord();
    FAttributes.clear();
    if (FCurrentTag.isEmpty())
        return;
    std::optional<TagRecord> tag = store.FindTag(FCurrentTag);
    if (!tag) {
        // The nearest tag at or after the name in key order.
        for (const TagRecord &candidate : store.Tags()) {
            if (candidate.TagName.compare(FCurrentTag, Qt::CaseInsensitive) >= 0) {
                tag = candidate;
                break;
            }
        }
    }
    if (!tag)
        return;
    FTag = *tag;
    FAttributes = store.Attributes(FTag.TagName);
}

QString TfrmTagInspector::GenerateAttributes()
{
    if (FWorkspace.DocumentCount() == 0 || FAttributes.isEmpty())
        return QString();
    return TagInspectorRules::GenerateAttributes(FTag, FAttributes, RowStates(),
                                                 FWorkspace.Options().cbAttrUpperCase());
}

void TfrmTagInspector::InsertInspectorTag()
{
    if (FTag.TagName.isEmpty()) {
        FWorkspace.ErrorBeep();
        return;
    }
    TagInspectorInsertion::InsertInspectorTag(FWorkspace, FTag, FAttributes, RowStates());
}

void TfrmTagInspector::InsertInspectorAttributes()
{
    TagInspectorInsertion::InsertInspectorAttributes(FWorkspace, FTag, FAttributes, RowStates());
}

void TfrmTagInspector::TagGroupsChanged(QObject *sender)
{
    cbTagDisp->clear();
    FTagNames.clear();
    FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
    try {
        const QString group = cbTagGroups->currentText();
        if (group == AllTagsName)
            LoadTagList(FAllTagsCode);
        else
            LoadTagList(FHost.LookupData().Lookup(TagGroupsKey, group).toInt());
        LoadAttributes();
        ShowFirstRow();
        if (sender != FHost.TagGroupPageControl())
            FHost.SelectTagGroupPage(group);
        FWorkspace.SetStatusText(0, QStringLiteral(" Ready"));
    } catch (...) {
        const QString reason = CaughtErrorText();
        FWorkspace.SetStatusText(0, QStringLiteral(" Error"));
        SetFormBusy(this, false);
        RaiseError(QStringLiteral("Can not load tags: %1"), reason);
    }
}

void TfrmTagInspector::SelectGroupEntry(const QString &page)
{
    const QString group = TagInspectorRules::GroupOfPage(page);
    for (int i = 0; i < cbTagGroups->count(); ++i) {
        if (cbTagGroups->itemText(i).compare(group, Qt::CaseInsensitive) == 0) {
            cbTagGroups->setCurrentIndex(i);
            return;
        }
    }
}

bool TfrmTagInspector::ChooseTagGroup(const QString &group, QObject *sender)
{
    const int index = cbTagGroups->findText(group, Qt::MatchFixedString);
    if (index < 0)
        return false;
    cbTagGroups->setCurrentIndex(index);
    cbTagGroupsChange(sender);
    return true;
}

bool TfrmTagInspector::ChooseTag(const QString &display)
{
    const int index = cbTagDisp->findText(display, Qt::MatchFixedString);
    if (index < 0)
        return false;
    cbTagDisp->setCurrentIndex(index);
    cbTagDispChange();
    return true;
}

bool TfrmTagInspector::StayOnTop() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TfrmTagInspector::Handle(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (...) {
        Dialogs::Instance().MessageBox(MsgKind::Error, CaughtErrorText(), mbOK);
    }
}

// --- handlers ---

void TfrmTagInspector::FormClose()
{
    FHost.InspectorClosed();
}

void TfrmTagInspector::cbTagGroupsChange(QObject *sender)
{
    Handle([this, sender] { TagGroupsChanged(sender); });
}

void TfrmTagInspector::cbTagDispChange()
{
    Handle([this] {
        LoadAttributes();
        ShowFirstRow();
        GridPanel->setVisible(!FAttributes.isEmpty());
    });
}

void TfrmTagInspector::sbInsertTagClick()
{
    Handle([this] { InsertInspectorTag(); });
    FHost.ActivateMainWindow();
}

void TfrmTagInspector::sbAttributesClick()
{
    Handle([this] { InsertInspectorAttributes(); });
    FHost.ActivateMainWindow();
}

void TfrmTagInspector::sbHelpClick()
{
    Help::Instance().ShowTopic(QStringLiteral("TAG_INSPECTOR"));
}

void TfrmTagInspector::sbCloseClick()
{
    close();
}

void TfrmTagInspector::cbStayOnTopClick()
{
    // Changing the window's style hides it; the lists keep their choices.
    const int group = cbTagGroups->currentIndex();
    const int tag = cbTagDisp->currentIndex();
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, cbStayOnTop->isChecked());
    if (shown)
        show();
    cbTagGroups->setCurrentIndex(group);
    cbTagDisp->setCurrentIndex(tag);
}

// --- events ---

bool TfrmTagInspector::event(QEvent *event)
{
    if (event->type() == QEvent::StatusTip) {
        FHost.ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QWidget::event(event);
}

bool TfrmTagInspector::eventFilter(QObject *watched, QEvent *event)
{
    const bool press = event->type() == QEvent::KeyPress;
    const bool release = event->type() == QEvent::KeyRelease;
    if (!press && !release)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);

    if (watched == AttrGrid) {
        const bool paste = key->key() == Qt::Key_V && key->modifiers() == Qt::ControlModifier;
        if (release) {
            AttrGridKeyUp(key->key(), key->modifiers());
            return paste;
        }
        if (paste)
            return true; // pasted when the key comes up
        if (key->key() == Qt::Key_Space && AttrGrid->Col() == IncludeCol) {
            if (QCheckBox *include = IncludeBox(AttrGrid->Row()))
                include->toggle();
            return true;
        }
        return false;
    }
    if (press && qobject_cast<QComboBox *>(watched) && !(key->modifiers() & Qt::AltModifier))
        return ValueComboKeyDown(key->key());
    return QWidget::eventFilter(watched, event);
}

void TfrmTagInspector::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    FormClose();
}
