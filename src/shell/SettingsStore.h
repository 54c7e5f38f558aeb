// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/OptionsData.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class RegistryStore;

// The user's settings in the registry, under one base key:
//   "Options"        the option flags and numbers, and the three bars
//   "Editor"         the editor font, its colour, the background, word wrap
// (the flags and numbers are the rows of OptionTable)
//   "Browsers"       the browser list and the selected entry ("Indx")
//   "Custom Colors"  the colour dialog's custom colours
//   "RUF", "Work"    recent files and work state (RecentFiles, WorkState)
// The options are read once at start-up into an OptionsData and written
// back from it at the end.
class SettingsStore {
public:
    explicit SettingsStore(RegistryStore &registry);

    static const QString BaseKey; // "Software\Varo Software\Quillon 4.21\4.21"
    // The full path of a key under the base key, as written.
    static QString KeyPath(const QString &subKey);

    // The splash text while the first-run setup works.
    static const QString SetupMessage; // "Setup Application ..."

    // What the first-run setup needs of the main window.
    struct FirstRunInput {
        QFont font;                     // the editor's default font
        QColor fontColor = Qt::black;   // its colour
        QString webPagesDir;            // the first working folder
        QStringList browserSearchPaths; // where to look for browsers; empty: PATH
        // Records the finished setup in the setup table; false on failure.
        std::function<bool()> saveSetupDone;
    };

    // Creates the keys with their first-run values, detects the browsers
    // and records the setup as done. Sets workDir. On failure the reason
    // is in FatalErrorText() and the result is false.
    bool FirstRunSetup(const FirstRunInput &input, QString &workDir);

    // Whether start-up must run the first-run setup: not only when the setup
    // table says so, but also when the settings are gone (the settings file
    // was unreadable and kept aside, or holds no base key).
    bool NeedsFirstRun(bool setupDone) const;
    // Shows, once, a warning that an unreadable settings file was kept
    // aside; does nothing when the file was fine.
    void ReportRegistryRecovery();
    // Shows, once, a warning naming the settings file and every value that
    // was ignored for being of the wrong kind (its default served instead);
    // does nothing when there was none.
    void ReportIgnoredValues();

    // "Options", "Editor" and "Custom Colors" into options. A missing
    // option is written with its default; a value of the wrong kind is
    // noted as ignored and its default used. On failure (a missing "Editor"
    // value) the reason is in FatalErrorText() and the result is false;
    // failing custom colours are only reported ("Can not load custom
    // colors.").
    bool LoadOptions(OptionsData &options);
    // options into "Options", "Editor" and "Custom Colors". False when a
    // value could not be written; the caller reports "Save Options Error".
    bool SaveOptions(const OptionsData &options);

    // Loads the custom colours into colors (appending) or saves them.
    bool LoadCustomColors(QList<QColor> &colors, bool save);

    // Appends the browsers of "Browsers" (trimmed, empty ones left out) to
    // options.browsers and selects entry "Indx". False when the key is
    // missing; the caller reports "Can not load favorite browser".
    bool LoadBrowsers(OptionsData &options);
    // Writes the browser list, its selection and empty remaining slots up
    // to "Browser_9". False on failure; the caller reports "Save Browsers
    // Error".
    bool SaveBrowsers(const OptionsData &options);

    // The browsers installed here, as full paths: the desktop's default
    // browser (xdg-open) first, then the known browsers, as far as they are
    // found in searchPaths (empty: PATH).
    static QStringList InstalledBrowsers(const QStringList &searchPaths = {});
    // Fills an existing "Browsers" key with the installed browsers; false
    // when a value could not be written.
    bool DetectBrowsers(const QStringList &searchPaths = {});

    // Colours are stored as red + green * 256 + blue * 65536.
    static qint32 ColorToRef(const QColor &color);
    static QColor RefToColor(qint32 ref);
    // The stored colour when it is one of the sixteen basic colours, else
    // the fallback.
    static QColor StandardColorOr(qint32 ref, const QColor &fallback);

    // Font style as a bit set: 8 bold, 4 italic, 2 underline, 1 strike-out.
    // Applying the bits also names the installed face they select.
    static qint32 FontStyleBits(const QFont &font);
    static void ApplyFontStyleBits(QFont &font, qint32 bits);

    static constexpr int BrowserSlots = 10;

private:
    qint32 ReadIntDefault(const QString &name, qint32 defaultValue);
    void LoadOptionValues(OptionsData &options);
    void LoadEditorValues(OptionsData &options);
    void SaveOptionValues(const OptionsData &options);
    void SaveEditorValues(const OptionsData &options);
    bool CreateFirstRunKeys(const FirstRunInput &input, QString &workDir);

    RegistryStore &FRegistry;
    bool FRecoveryReported = false;
};
