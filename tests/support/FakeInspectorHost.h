// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/TList3Dim.h"
#include "tags/InspectorHost.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

// The main window's side of the Tag Inspector, recorded. The notebook
// stands on the page currentPage; SelectFile() answers fileAnswer;
// PlaceInspector() moves the inspector to (40, 50).
class FakeInspectorHost : public InspectorHost {
public:
    TList3Dim lookup;
    QObject notebook; // stands for the tag notebook
    QString currentPage = QStringLiteral("Page Structure");
    QStringList selectedPages; // SelectTagGroupPage() groups
    QStringList fileKinds;     // SelectFile() kinds
    QString fileAnswer;
    int placed = 0;
    int closed = 0;
    int activations = 0;
    QStringList hints;

    TList3Dim &LookupData() override { return lookup; }
    QString CurrentTagGroupPage() const override { return currentPage; }
    void SelectTagGroupPage(const QString &group) override { selectedPages << group; }
    QObject *TagGroupPageControl() const override { return const_cast<QObject *>(&notebook); }
    QString SelectFile(const QString &kind) override
    {
        fileKinds << kind;
        return fileAnswer;
    }
    void PlaceInspector(QWidget &inspector) override
    {
        ++placed;
        inspector.move(40, 50);
    }
    void InspectorClosed() override { ++closed; }
    void ActivateMainWindow() override { ++activations; }
    void ShowHint(const QString &hint) override { hints << hint; }
};
