// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagInsertion.h"

#include <QString>
#include <QWidget>

class TDataMod;
class Workspace;

// The Tag Inspector: a tool window that builds a start tag attribute by
// attribute from the catalogue. Its object exists from start-up on, shown
// or not, and offers the whole program the letter-case rules and the
// insertion of a tag by name.
class TfrmTagInspector : public QWidget {
    Q_OBJECT
public:
    TfrmTagInspector(Workspace &workspace, TDataMod &dataMod, QWidget *parent = nullptr);
    ~TfrmTagInspector() override;

    QString TagCase(const QString &text) const { return FInsertion.TagCase(text); }
    QString AttrCase(const QString &text) const { return FInsertion.AttrCase(text); }
    bool InsertTag(const QString &name) { return FInsertion.InsertTag(name); }
    QString GetTagPrompt(const QString &name) const { return FInsertion.GetTagPrompt(name); }

private:
    TagInsertion FInsertion;
};

// The program-wide Tag Inspector (created at start-up).
extern TfrmTagInspector *frmTagInspector;
