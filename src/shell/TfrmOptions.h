// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/LiveOptionValues.h"
#include "editor/LiveOptions.h"
#include "shell/OptionsControls.h"
#include "shell/OptionsData.h"

#include <QDialog>
#include <QFont>
#include <QList>
#include <functional>

class OptionsTarget;

// The Options dialog. Created once at start-up and kept until the program
// ends, its controls are the live copy of the options that the rest of the
// program reads (through LiveOptions). Opening it takes a snapshot, OK
// applies the options to the open documents and the main window, Cancel
// puts the snapshot back. The settings store fills it from an OptionsData
// at start-up and receives one back when it is destroyed.
class TfrmOptions : public QDialog, public LiveOptions {
    Q_OBJECT
public:
    // Help context of the Help button.
    static constexpr int HelpContext = 11;

    // The controls, named as the program knows them.
    OptionsControls ui;

    // What the settings store could read at start-up.
    struct LoadResult {
        bool options = true;
        bool browsers = true;
    };
    // What the settings store could write at the end.
    struct SaveResult {
        bool options = true;
        bool browsers = true;
    };
    using SaveHandler = std::function<SaveResult(const OptionsData &)>;

    // The target receives what OK changes; it may be set later, and must
    // outlive the dialog or be reset before it goes.
    explicit TfrmOptions(OptionsTarget *target = nullptr, QWidget *parent = nullptr);
    ~TfrmOptions() override;

    void SetTarget(OptionsTarget *target) { FTarget = target; }
    // Receives the settings when the dialog is destroyed (see FormDestroy).
    void SetSaveHandler(SaveHandler handler) { FSaveHandler = std::move(handler); }

    // The whole set of settings, in and out. SetData also gives the main
    // window its bar states and custom colours; Data reads them back.
    void SetData(const OptionsData &data);
    OptionsData Data() const;

    // Start-up: shows the loaded settings, reports what could not be read,
    // loads the recent-file list when it is on, and fills the message bar
    // panels for auto save and word wrap.
    void FormCreate(const OptionsData &data, LoadResult loaded);
    void FormCreate(const OptionsData &data) { FormCreate(data, LoadResult()); }
    // Program end: hands the settings to the save handler and reports a
    // failed save. Runs once; the destructor runs it when nobody did.
    void FormDestroy();

    // Copies every option that Cancel restores.
    void TakeSnapshot();
    const LiveOptionValues &OptionsSnapshot() const { return FSnapshot; }
    // Takes the snapshot and shows the dialog modally.
    int Execute();

    // Fills the Reopen menu from the stored list; when that fails the list
    // is switched off for the rest of the run, with a message.
    void LoadRecentFileList();

    // The browser that preview starts: the list's text without blanks
    // around it, as the file system spells it.
    QString BrowserPath() const;
    QStringList Browsers() const;

    // Set by the tip-of-the-day dialog.
    void SetShowTipsAtStartup(bool show) { FHeld.showTipsAtStartup = show; }

    // LiveOptions: the options the dialog shows are read from their
    // controls, the others from what it holds.
    bool Flag(bool OptionFields::*option) const override;
    int Number(int OptionFields::*option) const override;
    QFont EditorFont() const override { return FFont; }
    QColor EditorFontColor() const override;
    QColor editBackColor() const override;

    // Every option as plain values (the snapshot's form).
    LiveOptionValues Values() const;

public slots:
    void FormActivate();
    void FormClose();
    void btnOkClick();
    void btnCancelClick();
    void btnHelpClick();

    // Browser list.
    void cmbBrowserDblClick();
    void sbSelectBrowserClick();
    void cmbBrowserKeyDown(int key);
    void cmbBrowserKeyUp(int key);
    void cmbBrowserChange();
    void cmbBrowserExit();

    // Font.
    void sbFontAttrClick();
    void editFontNameClick();
    void editFontSizeDblClick();
    void editFontColorDblClick();
    void editFontNameKeyUp(int key);
    void editFontSizeKeyUp(int key);
    void editFontColorKeyUp(int key);

    // Background colour.
    void sbBackColorClick();
    void editBackColorDblClick();
    void editBackColorKeyUp(int key);

    // Each control of the option table follows the flag that enables it.
    void EnableOptionControls();
    void cbAutoSaveClick() { EnableOptionControls(); }
    void cbRUFListClick() { EnableOptionControls(); }

    void reject() override;
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ConnectControls();
    int OptionValue(int row) const;
    // The options the dialog shows, the font and the colours.
    void PutValues(const OptionFields &values);
    void ShowFont();
    void AddBrowser();
    void DeleteBrowser(int index);
    void RunFontDialog();
    void PickFontColor();
    void PickBackColor();
    void ApplyRecentFileOptions();
    void RecentFilesFailed();
    void ShowOptionPanels();
    void ErrorBeep();
    void ErrorMessage(const QString &text);
    QList<QColor> &CustomColors();

    OptionsTarget *FTarget = nullptr;
    SaveHandler FSaveHandler;
    bool FDestroyed = false;
    LiveOptionValues FSnapshot;
    QFont FFont; // the editor font, as the font dialog left it
    // The options without a control (the tips flag; the three bars while no
    // target is set).
    OptionFields FHeld;
    int FBrowserKeyDownIndex = -1; // the selected browser at the last key press
    QList<QColor> FCustomColors;   // the custom colours while no target is set
};

// The program's options dialog.
extern TfrmOptions *frmOptions;
