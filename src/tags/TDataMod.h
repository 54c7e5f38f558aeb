// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tags/TagStore.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// The data module: owns every table for the whole run. It is created first
// at start-up; a missing or unreadable table leaves its message in
// FatalErrorText and the program stops at its first activation.
class TDataMod : public QObject {
    Q_OBJECT
public:
    // appDir: the program folder, whose DATA folder holds the tables.
    // splashMessage: shows a start-up step on the splash window.
    explicit TDataMod(const QString &appDir,
                      std::function<void(const QString &)> splashMessage = {},
                      QObject *parent = nullptr);
    ~TDataMod() override;   // DataModDestroy

    QString AppDir() const { return FAppDir; }
    QString DataDir() const;
    TagStore &Store() { return *FStore; }
    const TagStore &Store() const { return *FStore; }

    // Checks and opens the tables in their order; false after the first
    // missing or unreadable one, its message left in FatalErrorText.
    bool OpenTables();

    bool ReadSetupInfo(bool &setupDone);
    bool WriteSetupInfo(bool setupDone);

    // The tips table, opened on demand at a random tip. A missing or
    // empty tips table gives false without a message; other failures leave
    // their message in LastError() (not in FatalErrorText: the tips are
    // opened after start-up, when a fatal text would stop the program's
    // close work).
    bool OpenTips();
    bool CloseTips();
    bool TipsOpen() const;
    int TipIndex() const { return FTipIndex; }
    void SetTipIndex(int index) { FTipIndex = index; }
    // The tip at TipIndex().
    QString CurrentTip() const;
    // The message of the last failed OpenTips or CloseTips.
    QString LastError() const { return FLastError; }

    // Moves one link to another group. busyWindow (the Link Manager) is
    // busy meanwhile. Shows its own messages for a missing group (old or
    // new) or link;
    // raises StoreError("Can not move the link: ...") on a store failure,
    // "This link already exists" when the new group already has it.
    bool MoveLink(int oldCode, int newCode, const QString &linkName, QWidget *busyWindow = nullptr);

private:
    // Opens the setup table, runs the operation and closes the table again;
    // returns the failure's text, empty on success.
    QString WithSetupTable(const std::function<void()> &operation);
    void DataModCreate(const std::function<void(const QString &)> &splashMessage);
    void DataModDestroy();

    QString FAppDir;
    std::unique_ptr<TagStore> FStore;
    int FTipIndex = 0;
    QString FLastError;
};

// The program-wide data module (set by start-up).
extern TDataMod *DataMod;
