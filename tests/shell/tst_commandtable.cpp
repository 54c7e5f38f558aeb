// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ChildCommandTable.h"
#include "shell/MainCommandTable.h"

#include <QKeySequence>
#include <QTest>

// The rules the two command tables keep: every command has its handler,
// every forwarded id its one record, and no key is bound twice (a document
// window's menus merge into the main window's menu bar).
class TestCommandTable : public QObject {
    Q_OBJECT
private slots:
    void everyRecordResolvesToAHandler();
    void everyForwardedIdHasOneRecord();
    void noShortcutIsBoundTwice();
};

void TestCommandTable::everyRecordResolvesToAHandler()
{
    QStringList wrong;
    for (const MainCommandRecord &record : MainCommandTable::Records()) {
        const bool command = record.kind == MainCommandRecord::Kind::Command;
        if (record.handler.Count() != (command ? 1 : 0))
            wrong << QString::fromLatin1(record.name);
    }
    for (const ChildCommand &row : ChildCommandTable::Records()) {
        if (!row.HandlerIsWhole())
            wrong << QString::fromLatin1(row.name);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral(", "))));
}

void TestCommandTable::everyForwardedIdHasOneRecord()
{
    for (int id = 0; id < int(MainCommand::Count); ++id) {
        int records = 0;
        for (const MainCommandRecord &record : MainCommandTable::Records())
            records += record.id == MainCommand(id) ? 1 : 0;
        QVERIFY2(records == 1, qPrintable(QString::number(id)));
        const MainCommandRecord *record = MainCommandTable::Forwarded(MainCommand(id));
        QVERIFY(record && record->handler.Count() == 1 && !record->handler.later);
    }
}

void TestCommandTable::noShortcutIsBoundTwice()
{
    const QList<int> keys = MainCommandTable::Shortcuts() + ChildCommandTable::Shortcuts();
    QVERIFY(keys.size() >= 15);
    QStringList twice;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QVERIFY(keys[i] != 0);
        if (keys.indexOf(keys[i], i + 1) > 0)
            twice << QKeySequence(keys[i]).toString();
    }
    QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestCommandTable)
#include "tst_commandtable.moc"
