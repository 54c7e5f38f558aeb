// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TfrmOptions.h"

#include "editor/ErrorBeep.h"
#include "editor/OptionTable.h"
#include "editor/TfrmMDIChild.h"
#include "platform/Dialogs.h"
#include "platform/Help.h"
#include "shell/BrowserList.h"
#include "shell/MessageNotebook.h"
#include "shell/OptionsFormBuilder.h"
#include "shell/OptionsTarget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

TfrmOptions *frmOptions = nullptr;

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);

// A read-only edit shows a colour as its own background.
void PaintEdit(QLineEdit *edit, const QColor &color)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Window, color);
    edit->setPalette(palette);
    edit->setAutoFillBackground(true);
    edit->update();
}

QColor EditColor(const QLineEdit *edit)
{
    return edit->palette().color(QPalette::Base);
}

} // namespace

TfrmOptions::TfrmOptions(OptionsTarget *target, QWidget *parent) : QDialog(parent), FTarget(target)
{
    frmOptions = this;
    setObjectName(QStringLiteral("TfrmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    OptionsFormBuilder::Build(ui, *this);
    ConnectControls();
    // Until the settings arrive the controls hold the program's defaults.
    PutValues(LiveOptionValues());
    FSnapshot = Values();
    ui.PageControl->setCurrentIndex(0);
}

TfrmOptions::~TfrmOptions()
{
    FormDestroy();
    if (frmOptions == this)
        frmOptions = nullptr;
}

void TfrmOptions::ConnectControls()
{
    connect(ui.btnOk, &QPushButton::clicked, this, &TfrmOptions::btnOkClick);
    connect(ui.btnCancel, &QPushButton::clicked, this, &TfrmOptions::btnCancelClick);
    connect(ui.btnHelp, &QPushButton::clicked, this, &TfrmOptions::btnHelpClick);
    connect(ui.sbSelectBrowser, &QToolButton::clicked, this, &TfrmOptions::sbSelectBrowserClick);
    connect(ui.sbFontAttr, &QToolButton::clicked, this, &TfrmOptions::sbFontAttrClick);
    connect(ui.sbBackColor, &QToolButton::clicked, this, &TfrmOptions::sbBackColorClick);
    // The enabled state follows the check box however it changes.
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (QCheckBox *enabler = row.enabledBy ? ui.CheckBox(row.enabledBy) : nullptr)
            connect(enabler, &QCheckBox::toggled, this, &TfrmOptions::EnableOptionControls);
    }
    connect(ui.cmbBrowser, &QComboBox::currentIndexChanged, this, &TfrmOptions::cmbBrowserChange);

    ui.cmbBrowser->lineEdit()->installEventFilter(this);
    for (QLineEdit *edit : {ui.editBackColor, ui.editFontName, ui.editFontSize, ui.editFontColor})
        edit->installEventFilter(this);
}

bool TfrmOptions::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const int key = type == QEvent::KeyPress || type == QEvent::KeyRelease
        ? static_cast<QKeyEvent *>(event)->key()
        : 0;
    const bool doubleClick = type == QEvent::MouseButtonDblClick;

    if (watched == ui.cmbBrowser->lineEdit()) {
        if (doubleClick)
            cmbBrowserDblClick();
        else if (type == QEvent::KeyPress)
            cmbBrowserKeyDown(key);
        else if (type == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
            cmbBrowserKeyUp(key);
        else if (type == QEvent::FocusOut)
            cmbBrowserExit();
        return doubleClick;
    }
    if (watched == ui.editFontName) {
        if (type == QEvent::MouseButtonRelease)
            editFontNameClick();
        else if (type == QEvent::KeyRelease)
            editFontNameKeyUp(key);
    } else if (watched == ui.editFontSize) {
        if (doubleClick)
            editFontSizeDblClick();
        else if (type == QEvent::KeyRelease)
            editFontSizeKeyUp(key);
    } else if (watched == ui.editFontColor) {
        if (doubleClick)
            editFontColorDblClick();
        else if (type == QEvent::KeyRelease)
            editFontColorKeyUp(key);
    } else if (watched == ui.editBackColor) {
        if (doubleClick)
            editBackColorDblClick();
        else if (type == QEvent::KeyRelease)
            editBackColorKeyUp(key);
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- values

int TfrmOptions::OptionValue(int row) const
{
    return ui.Value(row).value_or(OptionTable::Get(FHeld, OptionTable::Rows().at(row)));
}

bool TfrmOptions::Flag(bool OptionFields::*option) const
{
    const int row = OptionTable::IndexOf(option);
    return row >= 0 ? OptionValue(row) != 0 : FHeld.*option;
}

int TfrmOptions::Number(int OptionFields::*option) const
{
    const int row = OptionTable::IndexOf(option);
    return row >= 0 ? OptionValue(row) : FHeld.*option;
}

QColor TfrmOptions::EditorFontColor() const
{
    return EditColor(ui.editFontColor);
}
QColor TfrmOptions::editBackColor() const
{
    return EditColor(ui.editBackColor);
}

LiveOptionValues TfrmOptions::Values() const
{
    LiveOptionValues values;
    const std::vector<OptionTable::Row> &rows = OptionTable::Rows();
    for (int row = 0; row < int(rows.size()); ++row)
        OptionTable::Set(values, rows[row], OptionValue(row));
    values.editorFont = FFont;
    values.editorFontColor = EditorFontColor();
    values.backColor = editBackColor();
    return values;
}

void TfrmOptions::PutValues(const OptionFields &values)
{
    const std::vector<OptionTable::Row> &rows = OptionTable::Rows();
    for (int row = 0; row < int(rows.size()); ++row)
        ui.SetValue(row, OptionTable::Get(values, rows[row]));
    FFont = values.editorFont;
    PaintEdit(ui.editFontColor, values.editorFontColor);
    PaintEdit(ui.editBackColor, values.backColor);
    EnableOptionControls();
    ShowFont();
}

void TfrmOptions::EnableOptionControls()
{
    const std::vector<OptionTable::Row> &rows = OptionTable::Rows();
    for (int row = 0; row < int(rows.size()); ++row) {
        if (QWidget *control = ui.options.value(row); control && rows[row].enabledBy)
            control->setEnabled(Flag(rows[row].enabledBy));
    }
}

void TfrmOptions::SetData(const OptionsData &data)
{
    FHeld = data.values;
    PutValues(data.values);
    // The three bars are the main window's.
    if (FTarget)
        FTarget->SetBarStates(FHeld.toolBar, FHeld.tagNotebookBar, FHeld.messageBar);
    CustomColors() = data.customColors;

    int index = data.browserIndex;
    const QStringList browsers = BrowserList::Cleaned(data.browsers, index);
    ui.cmbBrowser->clear();
    ui.cmbBrowser->addItems(browsers);
    ui.cmbBrowser->setCurrentIndex(index);
    if (index < 0)
        ui.cmbBrowser->setEditText(QString());

    FSnapshot = Values();
}

OptionsData TfrmOptions::Data() const
{
    OptionsData data;
    data.values = Values();
    if (FTarget) {
        data.values.toolBar = FTarget->ToolBarShown();
        data.values.tagNotebookBar = FTarget->TagNotebookBarShown();
        data.values.messageBar = FTarget->MessageBarShown();
    }
    data.browsers = Browsers();
    data.browserIndex = ui.cmbBrowser->currentIndex();
    data.customColors = FTarget ? FTarget->ColorDialogCustomColors() : FCustomColors;
    return data;
}

QList<QColor> &TfrmOptions::CustomColors()
{
    return FTarget ? FTarget->ColorDialogCustomColors() : FCustomColors;
}

QString TfrmOptions::BrowserPath() const
{
    return BrowserList::Clean(ui.cmbBrowser->currentText());
}

QStringList TfrmOptions::Browsers() const
{
    QStringList browsers;
    for (int i = 0; i < ui.cmbBrowser->count(); ++i)
        browsers.append(ui.cmbBrowser->itemText(i));
    return browsers;
}

// ---------------------------------------------------------------- life

void TfrmOptions::FormCreate(const OptionsData &data, LoadResult loaded)
{
    ui.PageControl->setCurrentIndex(0);
    SetData(data);
    if (!loaded.options)
        ErrorMessage(QStringLiteral("Can not load the options"));
    if (cbRUFList())
        LoadRecentFileList();
    if (!loaded.browsers)
        ErrorMessage(QStringLiteral("Can not load favorite browser"));
    ShowOptionPanels();
    QCoreApplication::processEvents();
}

void TfrmOptions::FormDestroy()
{
    if (FDestroyed)
        return;
    FDestroyed = true;
    if (FSaveHandler) {
        const SaveResult saved = FSaveHandler(Data());
        if (!saved.options)
            Dialogs::Instance().MessageBox(MsgKind::Error, QStringLiteral("Save Options Error"),
                                           mbOK);
        if (!saved.browsers)
            Dialogs::Instance().MessageBox(MsgKind::Error, QStringLiteral("Save Browsers Error"),
                                           mbOK);
    }
    QCoreApplication::processEvents();
}

void TfrmOptions::TakeSnapshot()
{
    FSnapshot = Values();
}

int TfrmOptions::Execute()
{
    TakeSnapshot();
    return exec();
}

void TfrmOptions::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormActivate();
}

void TfrmOptions::FormActivate()
{
    ui.PageControl->setCurrentIndex(0);
    ShowFont();
}

void TfrmOptions::FormClose()
{
    ui.PageControl->setCurrentIndex(0);
}

void TfrmOptions::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TfrmOptions::reject()
{
    // Escape and the window's close button leave the way Cancel does.
    btnCancelClick();
}

void TfrmOptions::btnCancelClick()
{
    hide();
    PutValues(FSnapshot);
    update();
    QDialog::reject();
}

void TfrmOptions::btnHelpClick()
{
    Help::Instance().ShowContext(HelpContext);
}

void TfrmOptions::btnOkClick()
{
    if (FTarget) {
        FTarget->SetBusy(true);
        // Every document reads the options through its workspace, which
        // hands out this dialog.
        for (TfrmMDIChild *document : FTarget->Documents()) {
            document->ApplyOptions();
            document->update();
        }
        ApplyRecentFileOptions();
        ShowOptionPanels();
        FTarget->SetBusy(false);
    }
    accept();
}

void TfrmOptions::ShowOptionPanels()
{
    if (!FTarget)
        return;
    for (const MessageNotebook::PanelText &panel : MessageNotebook::OptionPanelTexts(*this))
        FTarget->SetStatusText(panel.panel, panel.text);
}

// ---------------------------------------------------------------- recent files

void TfrmOptions::LoadRecentFileList()
{
    if (FTarget && !FTarget->LoadRecentFiles())
        RecentFilesFailed();
}

void TfrmOptions::ApplyRecentFileOptions()
{
    const bool on = cbRUFList();
    FTarget->SetReopenMenuVisible(on);
    if (!on)
        return;
    if (FTarget->RecentFileCount() > 0)
        FTarget->SetRecentFileLimit(spnRUFEntries());
    else
        LoadRecentFileList();
}

void TfrmOptions::RecentFilesFailed()
{
    FTarget->HideRecentFileList();
    ui.CheckBox(&OptionFields::rufList)->setChecked(false);
    EnableOptionControls();
    ErrorMessage(QStringLiteral("Can not load RUF files names"));
}

// ---------------------------------------------------------------- browsers

void TfrmOptions::cmbBrowserDblClick()
{
    AddBrowser();
}
void TfrmOptions::sbSelectBrowserClick()
{
    AddBrowser();
}

void TfrmOptions::cmbBrowserKeyDown(int key)
{
    Q_UNUSED(key);
    FBrowserKeyDownIndex = ui.cmbBrowser->currentIndex();
}

void TfrmOptions::cmbBrowserKeyUp(int key)
{
    if (key == Qt::Key_Insert)
        AddBrowser();
    else if (key == Qt::Key_Delete && FBrowserKeyDownIndex >= 0)
        DeleteBrowser(FBrowserKeyDownIndex);
}

void TfrmOptions::cmbBrowserChange()
{
    // A chosen entry is shown without blanks around it. Typed text is left
    // alone while it is typed, so that a path may hold blanks; it is
    // trimmed when the list loses the focus.
    const int index = ui.cmbBrowser->currentIndex();
    if (index >= 0)
        ui.cmbBrowser->setEditText(BrowserList::Clean(ui.cmbBrowser->itemText(index)));
}

void TfrmOptions::cmbBrowserExit()
{
    const QString text = ui.cmbBrowser->currentText();
    const QString trimmed = BrowserList::Clean(text);
    if (trimmed != text)
        ui.cmbBrowser->setEditText(trimmed);
}

void TfrmOptions::AddBrowser()
{
    if (BrowserList::IsFull(Browsers())) {
        Dialogs::Instance().MessageBox(MsgKind::Information, BrowserList::LimitMessage(), mbOK);
        return;
    }
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Open;
    request.title = QStringLiteral("Select a browser");
    // Programs here carry no extension: nothing is appended to a typed
    // name and every file is offered.
    request.filters = {QStringLiteral("All files (*)")};
    const QString current = BrowserPath();
    if (!current.isEmpty())
        request.initialDir = QFileInfo(current).absolutePath();
    const QString path = BrowserList::Clean(Dialogs::Instance().FileDialog(request).fileName);
    if (path.isEmpty())
        return;
    if (BrowserList::Contains(Browsers(), path))
        return;
    ui.cmbBrowser->addItem(path);
    ui.cmbBrowser->setCurrentIndex(ui.cmbBrowser->count() - 1);
}

void TfrmOptions::DeleteBrowser(int index)
{
    if (index >= ui.cmbBrowser->count())
        return;
    ui.cmbBrowser->setCurrentIndex(index);
    // The key may have changed the text already: show the entry itself.
    ui.cmbBrowser->setEditText(ui.cmbBrowser->itemText(index));
    if (Dialogs::Instance().MessageBox(
            MsgKind::Confirmation, QStringLiteral("Do you want to delete this browser ?"), mbYesNo)
        != mbYes)
        return;
    ui.cmbBrowser->removeItem(index);
    if (ui.cmbBrowser->count() > 0)
        ui.cmbBrowser->setCurrentIndex(0);
    else
        ui.cmbBrowser->setEditText(QString());
    FBrowserKeyDownIndex = ui.cmbBrowser->currentIndex();
}

// ---------------------------------------------------------------- font and colours

void TfrmOptions::ShowFont()
{
    ui.editFontName->setText(FFont.family());
    const qreal size = FFont.pointSizeF();
    ui.editFontSize->setText(size > 0 ? QString::number(size) : QString::number(FFont.pixelSize()));
    ui.editFontColor->update();
}

void TfrmOptions::RunFontDialog()
{
    if (const std::optional<QFont> font = Dialogs::Instance().FontDialog(FFont))
        FFont = *font;
    ShowFont();
}

void TfrmOptions::PickFontColor()
{
    if (const std::optional<QColor> color =
            Dialogs::Instance().ColorDialog(EditorFontColor(), false, CustomColors()))
        PaintEdit(ui.editFontColor, *color);
}

void TfrmOptions::PickBackColor()
{
    // The restricted colour dialog, starting at silver.
    if (const std::optional<QColor> color =
            Dialogs::Instance().ColorDialog(Silver, false, CustomColors()))
        PaintEdit(ui.editBackColor, *color);
}

void TfrmOptions::sbFontAttrClick()
{
    RunFontDialog();
}
void TfrmOptions::editFontNameClick()
{
    RunFontDialog();
}
void TfrmOptions::editFontSizeDblClick()
{
    RunFontDialog();
}
// The font dialog has no colour of its own, so the font colour has its
// colour dialog.
void TfrmOptions::editFontColorDblClick()
{
    PickFontColor();
}

void TfrmOptions::editFontNameKeyUp(int key)
{
    if (key == Qt::Key_Insert)
        RunFontDialog();
}

void TfrmOptions::editFontSizeKeyUp(int key)
{
    if (key == Qt::Key_Insert)
        RunFontDialog();
}

void TfrmOptions::editFontColorKeyUp(int key)
{
    if (key == Qt::Key_Insert)
        PickFontColor();
}

void TfrmOptions::sbBackColorClick()
{
    PickBackColor();
}
void TfrmOptions::editBackColorDblClick()
{
    PickBackColor();
}

void TfrmOptions::editBackColorKeyUp(int key)
{
    if (key == Qt::Key_Insert)
        PickBackColor();
}

// ---------------------------------------------------------------- messages

void TfrmOptions::ErrorBeep()
{
    ::ErrorBeep(*this);
}

void TfrmOptions::ErrorMessage(const QString &text)
{
    ErrorBeep();
    Dialogs::Instance().MessageBox(MsgKind::Error, text, mbOK);
}
