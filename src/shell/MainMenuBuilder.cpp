// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainMenuBuilder.h"

#include "controls/Hints.h"

#include <QAction>
#include <QHash>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace {
using Item = MainMenuBuilder::Item;
const Item Separator{"", "-"};
Item Break(const char *name) { return Item{name, "-"}; }
}

const QList<MainMenuBuilder::Menu> &MainMenuBuilder::Menus()
{
    static const QList<Menu> menus = {
        {"mnuFile", "&File", 0, "File| Creates, opens, saves and prints Web pages", {
            {"mnuNew", "&New ...", "Ctrl+N", "New| Creates a new Web page"},
            {"mnuOpen", "&Open ...", "Ctrl+O", "Open| Opens an existing Web page"},
            {"mnuClose", "&Close", nullptr, "Close| Closes the active Web page"},
            Break("mnuSaveBreak"),
            {"mnuSave", "&Save", "Ctrl+S", "Save| Saves the active Web page"},
            {"mnuSaveAs", "Save &As ...", nullptr,
             "Save As| Saves the active Web page under a new name"},
            {"mnuSaveAll", "Save A&ll", nullptr, "Save All| Saves all open Web pages"},
            Break("mnuPrintBreak"),
            {"mnuPrintSetup", "P&rint Setup ...", nullptr,
             "Print Setup| Chooses the printer and its settings"},
            {"mnuPrint", "&Print", "Ctrl+P", "Print| Prints the active Web page"},
            Break("mnuReopenBreak"),
            {"mnuReopen", "R&eopen", nullptr, "Reopen| Opens a recently used Web page", nullptr,
             false, true},
            Separator,
            {"mnuExit", "E&xit", nullptr, "Exit| Quits Quillon"},
        }},
        {"mnuView", "&View", 2, "View| Shows or hides the bars, options and page properties", {
            {"mnuPreviewCurrDoc", "&Preview ...", nullptr,
             "Preview| Shows the active Web page in the Web browser"},
            Separator,
            {"mnuToolBar", "T&ools Bar", nullptr, "Tools Bar| Shows or hides the tool bar",
             nullptr, true},
            {"mnuTagNotebookBar", "&Tag Notebook Bar", nullptr,
             "Tag Notebook Bar| Shows or hides the tag notebook bar", nullptr, true},
            {"mnuMessagebar", "&Message Bar", nullptr,
             "Message Bar| Shows or hides the message bar", nullptr, true},
            Separator,
            {"mnuOptions", "&Options ...", nullptr,
             "Options| Changes the settings of the editor and of Quillon"},
            {"mnuDetails", "&Web Page Properties ...", nullptr,
             "Web Page Properties| Shows the file details of the active Web page"},
        }},
        {"mnuTools", "&Tools", 7, "Tools| Tool windows, wizards and text commands", {
            {"mnuLinkManager", "Link &Manager ...", nullptr,
             "Link Manager| Opens the Link Manager to keep links and insert them into pages"},
            {"mnuSpecialChar", "&Special Characters ...", nullptr,
             "Special Characters| Opens the table of special characters"},
            {"mnuTableBuilder", "&Table Builder ...", nullptr,
             "Table Builder| Builds a table and inserts it into the active window"},
            {"mnuTagInspector", "Tag I&nspector ...", nullptr,
             "Tag Inspector| Opens the Tag Inspector to build a tag with its attributes"},
            {"mnuColorPicker", "&Color Selector ...", nullptr,
             "Color Selector| Picks a color and inserts its value into the active window"},
            Separator,
            {"mnuWebPageWizard", "&Web Page Wizard ...", nullptr,
             "Web Page Wizard| Creates a new Web page step by step"},
            {"mnuFormWizard", "&Form Wizard ...", nullptr,
             "Form Wizard| Builds a form and inserts it into the active window"},
            {"mnuListWizard", "&List Wizard ...", nullptr,
             "List Wizard| Builds a list and inserts it into the active window"},
            Separator,
            {"mnuUpperCase", "&Upper Case", nullptr,
             "Upper Case| Converts the selected text to upper case"},
            {"mnuLowerCase", "L&ower Case", nullptr,
             "Lower Case| Converts the selected text to lower case"},
            Separator,
            {"mnuLinkToVaroPage", "Link to Varo's web &page", nullptr,
             "Link to Varo| Inserts a link to Varo Software's web page into the active "
             "window"},
        }},
        {"mnuWindow", "&Window", 8, "Window| Arranges the open windows and switches between them", {
            {"mnuCascade", "&Cascade", nullptr,
             "Cascade| Arranges the windows so that they overlap"},
            {"mnuHorizontal", "&Horizontal", nullptr,
             "Horizontal| Arranges the windows one above the other"},
            {"mnuArrangeIcons", "&Arrange Icons", nullptr,
             "Arrange Icons| Lines up the minimized windows at the bottom"},
        }},
        {"mnuHelp", "&Help", 9, "Help| Help about Quillon", {
            {"mnuContents", "&Contents", "F1", "Contents| Shows the contents of the help"},
            {"mnuSearch", "&Search ...", nullptr, "Search| Finds a topic in the help"},
            Separator,
            {"mnuTip", "&Tip of the day ...", nullptr,
             "Tip of the Day| Shows a tip about working with Quillon"},
            Separator,
            {"mnuAbout", "&About Quillon ...", nullptr,
             "About| Shows the version of Quillon and who makes it"},
        }},
        {"mnuMainPopup", "", -1, "", {
            {"mnuPopPreview", "&Preview ...", nullptr, nullptr, "mnuPreviewCurrDoc"},
            Separator,
            {"mnuPopCut", "Cu&t", nullptr, "Cut| Cuts the selection and puts it on the Clipboard"},
            {"mnuPopCopy", "&Copy", nullptr,
             "Copy| Copies the selection and puts it on the Clipboard"},
            {"mnuPopPaste", "&Paste", nullptr,
             "Paste| Inserts the contents of the Clipboard at the caret"},
            Separator,
            {"mnuPopSaveAll", "Save A&ll", nullptr, nullptr, "mnuSaveAll"},
            Separator,
            {"mnuPopLinkManager", "Link &Manager ...", nullptr, nullptr, "mnuLinkManager"},
            {"mnuPopSpecialChar", "&Special Characters ...", nullptr, nullptr, "mnuSpecialChar"},
            {"mnuPopTagInspector", "Tag I&nspector ...", nullptr, nullptr, "mnuTagInspector"},
            {"mnuPopWebPageWizard", "Web Page Wizard ...", nullptr, nullptr, "mnuWebPageWizard"},
            Separator,
            {"mnuPopOptions", "&Options ...", nullptr, nullptr, "mnuOptions"},
            {"mnuPopDetails", "&Web Page Properties ...", nullptr, nullptr, "mnuDetails"},
            Separator,
            {"mnuPopLinkToVaroPage", "Link to Varo's web &page", nullptr, nullptr,
             "mnuLinkToVaroPage"},
        }},
    };
    return menus;
}

MainMenuSet MainMenuBuilder::Build(QWidget *owner)
{
    MainMenuSet set;
    QHash<QString, QString> hints;     // item name -> hint, for copied hints
    QHash<QString, QMenu *> built;

    for (const Menu &def : Menus()) {
        auto *menu = new QMenu(QString::fromUtf8(def.caption), owner);
        menu->setObjectName(QString::fromLatin1(def.name));
        menu->menuAction()->setObjectName(menu->objectName());
        if (*def.hint)
            SetHint(menu->menuAction(), QString::fromUtf8(def.hint));
        for (const Item &item : def.items) {
            const QString name = QString::fromLatin1(item.name);
            if (QByteArray(item.caption) == "-") {
                QAction *separator = menu->addSeparator();
                separator->setObjectName(name);
                continue;
            }
            QAction *action;
            if (item.submenu) {
                auto *sub = new QMenu(QString::fromUtf8(item.caption), menu);
                sub->setObjectName(name);
                action = menu->addMenu(sub);
                built.insert(name, sub);
            } else {
                action = new QAction(QString::fromUtf8(item.caption), menu);
                action->setObjectName(name);
                menu->addAction(action);
            }
            action->setObjectName(name);
            if (item.shortcut)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
            if (item.checkable) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            const QString hint = item.hint ? QString::fromUtf8(item.hint)
                                           : hints.value(QString::fromLatin1(item.hintFrom));
            SetHint(action, hint);
            hints.insert(name, hint);
        }
        built.insert(menu->objectName(), menu);
        if (def.group >= 0)
            set.Groups.append(MergedMenu{def.group, menu});
    }

    set.mnuFile = built.value(QStringLiteral("mnuFile"));
    set.mnuView = built.value(QStringLiteral("mnuView"));
    set.mnuTools = built.value(QStringLiteral("mnuTools"));
    set.mnuWindow = built.value(QStringLiteral("mnuWindow"));
    set.mnuHelp = built.value(QStringLiteral("mnuHelp"));
    set.mnuReopen = built.value(QStringLiteral("mnuReopen"));
    set.mnuMainPopup = built.value(QStringLiteral("mnuMainPopup"));

    for (const char *name : {"mnuPopCut", "mnuPopCopy", "mnuPopPaste"})
        if (auto *action = set.mnuMainPopup->findChild<QAction *>(QString::fromLatin1(name)))
            action->setEnabled(false);
    return set;
}
