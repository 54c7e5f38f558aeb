// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One tag of the catalogue (tags.db).
struct TagRecord {
    QString TagName;       // as written in HTML without brackets; "!" is the comment
    QString Display;       // name shown in the Tag Inspector's list
    QString Description;   // help text: a small HTML fragment
    int GroupIndex = 0;    // Code of its tag group
    bool DoubleSideTag = false;
    QString Prompt;        // placeholder between the two tags
};

// One attribute of a tag (attr.db), numbered 1, 2, 3 ... per tag.
struct AttrRecord {
    QString TagName;
    int DisplayOrder = 0;
    QString Attribute;
    QString DefaultValue;  // "Select": a file chosen with the file dialog
    QString Type;          // "Color", "NOVALUE", a file kind ("GIF", "HTM", ...), or empty
    bool CanEdit = true;
    QString ControlType;   // "TCOMBOBOX", "TOPENDIALOG" or empty
    QString SurroundedBy;  // written around the value, usually a double quote
    int LookupIndex = 0;   // its value list in lkpattr.db; 0 = none
};

// One tag group (taggrp.db).
struct TagGroupRecord {
    QString Name;
    int Code = 0;
};

// One link group (groups.db) and one link (links.db).
struct LinkGroupRecord {
    int Code = 0;
    QString Name;
    QString Note;
};

struct LinkRecord {
    int GroupCode = 0;
    QString LinkName;
    QString Note;
};
