// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/TList3Dim.h"

TList3Dim::TList3Dim(QObject *parent) : QObject(parent) {}

TList3Dim::Group *TList3Dim::FindGroup(const QString &name)
{
    for (Group &group : FGroups) {
        if (group.Name == name)
            return &group;
    }
    return nullptr;
}

void TList3Dim::AddGroup(const QString &name)
{
    if (FGroups.size() >= Capacity)
        return;
    FGroups.append(Group{name, {}, {}});
    FCurrentGroup = name;
}

void TList3Dim::AddItem(const QString &group, const QString &value, const QString &key)
{
    Group *found = FindGroup(group);
    if (!found)
        return;
    found->Values.append(value);
    found->Keys.append(key);
}

QString TList3Dim::Lookup(const QString &group, const QString &key)
{
    const Group *found = FindGroup(group);
    if (!found) {
        FCurrentGroup.clear();
        FLastValue.clear();
        FLastKey.clear();
        return QString();
    }
    const qsizetype at = found->Keys.indexOf(key);
    if (at < 0)
        return QString();
    FCurrentGroup = found->Name;
    FLastValue = found->Values.at(at);
    FLastKey = found->Keys.at(at);
    return FLastValue;
}
