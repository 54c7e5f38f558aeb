// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QObject;
class QWidget;
class TList3Dim;

// What the Tag Inspector needs of the main window besides the Workspace:
// the lookup list that keeps the tag groups, the tag notebook, the file
// dialog, its stored placement and its menu item. TfrmMainForm implements
// it; tests use a fake.
class InspectorHost {
public:
    virtual ~InspectorHost() = default;

    // The main window's grouped lookup list; the inspector fills and reads
    // its group "TagGroups".
    virtual TList3Dim &LookupData() = 0;

    // The caption of the tag notebook's current page ("Image", "Form", ...).
    virtual QString CurrentTagGroupPage() const = 0;
    // Brings forward the notebook page of a tag group ("Image & Imagemap"
    // brings "Image"); no page changes when none matches.
    virtual void SelectTagGroupPage(const QString &group) = 0;
    // The tag notebook itself: a filter change it caused does not turn it.
    virtual QObject *TagGroupPageControl() const = 0;

    // The file dialog in its "Select" mode for a file kind ("GIF", "WAV",
    // ...): the chosen file's full path as the file system spells it, or an
    // empty text when the user cancels.
    virtual QString SelectFile(const QString &kind) = 0;

    // Puts the inspector where the stored placement says (unless that
    // placement is maximised, which keeps the designed bounds).
    virtual void PlaceInspector(QWidget &inspector) = 0;
    // The inspector window was closed: its menu item loses its mark.
    virtual void InspectorClosed() = 0;
    // Gives the focus back to the main window after an insertion.
    virtual void ActivateMainWindow() = 0;
    // Shows the long part of a hint on the message bar (empty: the panels).
    virtual void ShowHint(const QString &hint) = 0;
};
