// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TDataMod.h"

#include "controls/FormBusy.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/RaisedError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

TDataMod *DataMod = nullptr;

namespace {
using Table = TagStore::Table;

// Leaves the window's busy state however the operation ends.
class BusyScope {
public:
    explicit BusyScope(QWidget *window) : FWindow(window) { SetFormBusy(FWindow, true); }
    ~BusyScope() { SetFormBusy(FWindow, false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    QWidget *FWindow;
};
}

TDataMod::TDataMod(const QString &appDir, std::function<void(const QString &)> splashMessage,
                   QObject *parent)
    : QObject(parent)
{
    FAppDir = appDir;
    DataModCreate(splashMessage);
}

TDataMod::~TDataMod()
{
    DataModDestroy();
    if (DataMod == this)
        DataMod = nullptr;
}

QString TDataMod::DataDir() const
{
    return FAppDir + QStringLiteral("/DATA");
}

void TDataMod::DataModCreate(const std::function<void(const QString &)> &splashMessage)
{
    if (splashMessage)
        splashMessage(QStringLiteral("Initializing Tag Inspector ..."));
    FatalErrorText().clear();
    // The folder is used as the file system spells it; only a trailing
    // separator is dropped.
    while (FAppDir.size() > 1 && FAppDir.endsWith(QLatin1Char('/')))
        FAppDir.chop(1);
    FStore = std::make_unique<TagStore>(DataDir());
    OpenTables();
}

void TDataMod::DataModDestroy()
{
    if (!FStore)
        return;
    for (Table table : {Table::Qln4, Table::Tags, Table::Attr, Table::LkpAttr, Table::Groups,
                        Table::Links, Table::TagGrp, Table::Tips})
        FStore->Close(table);
}

bool TDataMod::OpenTables()
{
    struct Step {
        Table table;
        bool open;           // false: the file is only looked for
        const char *missing;
    };
    static const Step steps[] = {
        {Table::Qln4, false, "Can not find QLN4.DB"},
        {Table::Tags, true, "Can not find TAGS.DB"},
        {Table::Attr, true, "Can not find ATTR.DB"},
        {Table::LkpAttr, true, "Can not find LKPATTR.DB"},
        {Table::Groups, true, "Can not find GROUPS.DB"},
        {Table::Links, true, "Can not find LINKS.DB"},
        {Table::TagGrp, true, "Can not find TAGGRP.DB"},
    };
    const QDir dataDir(DataDir());
    for (const Step &step : steps) {
        if (!QFileInfo(dataDir.filePath(TagStore::FileName(step.table))).isFile()) {
            FatalErrorText() = QString::fromLatin1(step.missing);
            return false;
        }
        if (!step.open)
            continue;
        try {
            FStore->Open(step.table);
        } catch (...) {
            FatalErrorText() = QStringLiteral("Can not open database : %1").arg(CaughtErrorText());
            return false;
        }
        // Keeps the splash window painted between the openings.
        QCoreApplication::processEvents();
    }
    return true;
}

QString TDataMod::WithSetupTable(const std::function<void()> &operation)
{
    QString failure;
    try {
        FStore->Open(Table::Qln4);
        operation();
    } catch (...) {
        failure = CaughtErrorText();
    }
    FStore->Close(Table::Qln4);
    return failure;
}

bool TDataMod::ReadSetupInfo(bool &setupDone)
{
    const QString failure = WithSetupTable([&] { setupDone = FStore->SetupFlag(); });
    if (failure.isEmpty())
        return true;
    FatalErrorText() = QStringLiteral("Can not read setup info : %1").arg(failure);
    return false;
}

bool TDataMod::WriteSetupInfo(bool setupDone)
{
    const QString failure = WithSetupTable([&] { FStore->SetSetupFlag(setupDone); });
    if (failure.isEmpty())
        return true;
    FatalErrorText() = QStringLiteral("Can not save setup info : %1").arg(failure);
    return false;
}

bool TDataMod::OpenTips()
{
    FLastError.clear();
    if (!QFileInfo(QDir(DataDir()).filePath(TagStore::FileName(Table::Tips))).isFile())
        return false;
    QString failure;
    try {
        FStore->Open(Table::Tips);
        const int count = FStore->TipCount();
        if (count <= 0) {
            // Nothing to show: the same as having no tips at all.
            FStore->Close(Table::Tips);
            return false;
        }
        FTipIndex = int(QRandomGenerator::global()->bounded(count));
        return true;
    } catch (...) {
        failure = CaughtErrorText();
    }
    FStore->Close(Table::Tips);
    FLastError = QStringLiteral("Can not open tips database: %1").arg(failure);
    return false;
}

bool TDataMod::CloseTips()
{
    FLastError.clear();
    try {
        FStore->Close(Table::Tips);
        return true;
    } catch (...) {
        FLastError = QStringLiteral("Can not close tips database: %1").arg(CaughtErrorText());
    }
    return false;
}

bool TDataMod::TipsOpen() const
{
    return FStore->IsOpen(Table::Tips);
}

QString TDataMod::CurrentTip() const
{
    return FStore->Tip(FTipIndex);
}

bool TDataMod::MoveLink(int oldCode, int newCode, const QString &linkName, QWidget *busyWindow)
{
    BusyScope busy(busyWindow);
    const auto refuse = [](const QString &reason) {
        Dialogs::Instance().MessageBox(MsgKind::Information,
                                       QStringLiteral("Can not move the link: %1").arg(reason), mbOK);
        return false;
    };
    try {
        if (!FStore->FindLinkGroup(oldCode))
            return refuse(QStringLiteral("Can not find the group."));
        // A link moved to a group that does not exist would vanish from
        // the Link Manager for good.
        if (newCode != oldCode && !FStore->FindLinkGroup(newCode))
            return refuse(QStringLiteral("Can not find the group."));
        const std::optional<LinkRecord> link = FStore->FindLink(oldCode, linkName);
        if (!link)
            return refuse(QStringLiteral("Can not find the link."));
        LinkRecord moved = *link;
        moved.GroupCode = newCode;
        FStore->UpdateLink(oldCode, linkName, moved);
        return true;
    } catch (...) {
        QString reason = CaughtErrorText();
        if (reason.startsWith(QLatin1String("Key violation"), Qt::CaseInsensitive))
            reason = QStringLiteral("This link already exists");
        throw StoreError(QStringLiteral("Can not move the link: %1").arg(reason));
    }
}
