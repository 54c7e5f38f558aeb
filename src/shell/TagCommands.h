// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class TfrmMainForm;

// The main window's tag commands: the tag buttons of the tool bar and the
// tag notebook bar, the comment, anchor, image and alignment buttons, and
// the text commands of the Tools and pop-up menus (case conversion, colour
// selector, link to the maker's page). Each builds its text and hands it
// to the insertion operations or to the Tag Inspector's insertion by name.
class TagCommands : public QObject {
    Q_OBJECT
public:
    // Connects the commands to the buttons and menu items of `form`, as
    // the main window's command table gives them.
    explicit TagCommands(TfrmMainForm &form);

    // What a tag button does: inserts one catalogue tag by name through the
    // Tag Inspector's insertion (the beep rule while there is none).
    void InsertTagByName(const QString &name);

    // The text of the maker's-page link, built with the current case
    // options: six lines, each ending in CR LF.
    QString MakerLinkText() const;

public slots:
    void sbCommentClick();
    void sbAlignLeftClick();
    void sbAlignCenterClick();
    void sbAlignRightClick();
    void sbAClick();
    void sbIMAGEClick();
    void mnuUpperCaseClick();
    void mnuLowerCaseClick();
    void sbUpperCaseClick();
    void sbLowerCaseClick();
    void mnuColorPickerClick();
    void sbColorPickerClick();
    void mnuLinkToVaroPageClick();
    void mnuPopLinkToVaroPageClick();

private:
    void ConnectButtons();
    void InsertAlignment(const QString &attribute);
    void ConvertSelection(bool upper);
    QString TagCase(const QString &text) const;
    QString AttrCase(const QString &text) const;

    TfrmMainForm &FForm;
};
