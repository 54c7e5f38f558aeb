// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCheckBox;
class QComboBox;
class QFrame;
class QTabWidget;
class QTextBrowser;
class QToolButton;
class QWidget;
class TObjectGrid;

// The Tag Inspector's controls, laid out on its window: the tool row, the
// stay-on-top check box, the tag filter and tag list, and the notebook with
// the attribute grid and the description.
struct TagInspectorControls {
    QToolButton *sbInsertTag = nullptr;
    QToolButton *sbAttributes = nullptr;
    QToolButton *sbHelp = nullptr;
    QToolButton *sbClose = nullptr;
    QCheckBox *cbStayOnTop = nullptr;
    QComboBox *cbTagGroups = nullptr;
    QComboBox *cbTagDisp = nullptr;
    QTabWidget *PageControl = nullptr;
    QWidget *Attributes = nullptr;
    QWidget *Description = nullptr;
    QFrame *GridPanel = nullptr;
    TObjectGrid *AttrGrid = nullptr;
    QTextBrowser *memoDescription = nullptr;
};

class TagInspectorFormBuilder {
public:
    // The grid's columns: attribute name, include mark, value.
    static constexpr int NameWidth = 90;
    static constexpr int IncludeWidth = 56;
    static constexpr int ValueWidth = 101;

    static TagInspectorControls Build(QWidget &window);
};
