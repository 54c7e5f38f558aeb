// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TfrmTagInspector.h"

#include "tags/TDataMod.h"

TfrmTagInspector *frmTagInspector = nullptr;

TfrmTagInspector::TfrmTagInspector(Workspace &workspace, TDataMod &dataMod, QWidget *parent)
    : QWidget(parent), FInsertion(workspace, dataMod.Store())
{
    setObjectName(QStringLiteral("frmTagInspector"));
    frmTagInspector = this;
}

TfrmTagInspector::~TfrmTagInspector()
{
    if (frmTagInspector == this)
        frmTagInspector = nullptr;
}
