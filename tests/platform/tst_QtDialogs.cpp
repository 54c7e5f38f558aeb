// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// The real dialogs, set up and answered without a user: a timer finds the
// modal dialog once it is shown and acts on it.
class tst_QtDialogs : public QObject {
    Q_OBJECT
private slots:
    void messageBoxShowsPlainTextWithLineBreaks();
    void messageBoxButtonsAndEscape_data();
    void messageBoxButtonsAndEscape();
    void fileDialogSetUp();
    void colorDialogKeepsCustomColours();

private:
    static void whenModal(std::function<void(QWidget *)> act);
};

void tst_QtDialogs::whenModal(std::function<void(QWidget *)> act)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(modal);
        }
    });
    poll->start(10);
}

void tst_QtDialogs::messageBoxShowsPlainTextWithLineBreaks()
{
    QMessageBox box;
    QtDialogs::PrepareMessageBox(box, MsgKind::Error,
                                 QStringLiteral("Can not save <B>page</B>.\rDisk full\r\nTry again"), mbOK);
    QCOMPARE(box.text(), QStringLiteral("Can not save <B>page</B>.\nDisk full\nTry again"));
    QCOMPARE(box.textFormat(), Qt::PlainText);
    QCOMPARE(box.windowTitle(), QStringLiteral("Error"));
    QCOMPARE(box.icon(), QMessageBox::Critical);

    QMessageBox confirm;
    QtDialogs::PrepareMessageBox(confirm, MsgKind::Confirmation, QString(), mbYesNoCancel);
    QCOMPARE(confirm.windowTitle(), QStringLiteral("Confirm"));
    QCOMPARE(confirm.icon(), QMessageBox::Question);
    QCOMPARE(confirm.defaultButton(), confirm.button(QMessageBox::Yes));
    QCOMPARE(QtDialogs::MessageTitle(MsgKind::Warning), QStringLiteral("Warning"));
    QCOMPARE(QtDialogs::MessageTitle(MsgKind::Information), QStringLiteral("Information"));
}

void tst_QtDialogs::messageBoxButtonsAndEscape_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("escape");
    QTest::newRow("OK") << int(mbOK) << int(QMessageBox::Ok) << int(mbOK);
    QTest::newRow("none means OK") << 0 << int(QMessageBox::Ok) << int(mbOK);
    QTest::newRow("Yes No") << int(mbYesNo) << int(QMessageBox::Yes | QMessageBox::No) << int(mbNo);
    QTest::newRow("Yes No Cancel") << int(mbYesNoCancel)
                                   << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)
                                   << int(mbCancel);
    QTest::newRow("OK Cancel") << int(mbOK | mbCancel) << int(QMessageBox::Ok | QMessageBox::Cancel)
                               << int(mbCancel);
}

void tst_QtDialogs::messageBoxButtonsAndEscape()
{
    QFETCH(int, buttons);
    QFETCH(int, shown);
    QFETCH(int, escape);
    QtDialogs dialogs;
    int offered = 0;
    whenModal([&offered](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        offered = int(box->standardButtons());
        QTest::keyClick(box, Qt::Key_Escape);
    });
    const MsgButton answer = dialogs.MessageBox(MsgKind::Confirmation, QStringLiteral("Go on?"), buttons);
    QCOMPARE(offered, shown);
    QCOMPARE(int(answer), escape);
}

void tst_QtDialogs::fileDialogSetUp()
{
    QTemporaryDir dir;
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = QStringLiteral("Save As");
    request.initialDir = dir.path();
    request.fileName = QStringLiteral("*.htm");
    request.defaultExt = QStringLiteral("htm");
    request.filters = {QStringLiteral("HTML Document (*.htm)"), QStringLiteral("HTML Unix (*.html)")};
    request.filterIndex = 1;

    QFileDialog save;
    save.setOption(QFileDialog::DontUseNativeDialog);
    QtDialogs::PrepareFileDialog(save, request);
    QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(save.fileMode(), QFileDialog::AnyFile);
    QVERIFY(!save.testOption(QFileDialog::DontConfirmOverwrite));
    QCOMPARE(save.defaultSuffix(), QStringLiteral("htm"));
    QCOMPARE(save.nameFilters(), request.filters);
    QCOMPARE(save.selectedNameFilter(), request.filters[1]);
    QCOMPARE(QDir(save.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
    // The pattern is not taken for a file name.
    QVERIFY(!save.selectedFiles().value(0).endsWith(QStringLiteral("*.htm")));
    QCOMPARE(QtDialogs::ResultOf(save, request).filterIndex, 1);

    request.mode = FileDialogRequest::Mode::Open;
    request.fileName = QStringLiteral("index.htm");
    request.filterIndex = 7;   // out of range: the first filter
    QFileDialog open;
    open.setOption(QFileDialog::DontUseNativeDialog);
    QtDialogs::PrepareFileDialog(open, request);
    QCOMPARE(open.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(open.selectedNameFilter(), request.filters[0]);
    QVERIFY(open.selectedFiles().value(0).endsWith(QStringLiteral("/index.htm")));
}

void tst_QtDialogs::colorDialogKeepsCustomColours()
{
    QtDialogs dialogs;
    QList<QColor> custom{QColor(0x11, 0x22, 0x33), QColor(0x44, 0x55, 0x66)};
    QColor seenFirst;
    whenModal([&seenFirst](QWidget *modal) {
        auto *dialog = qobject_cast<QColorDialog *>(modal);
        QVERIFY(dialog);
        seenFirst = QColorDialog::customColor(0);
        QColorDialog::setCustomColor(2, QColor(0x77, 0x88, 0x99));
        dialog->setCurrentColor(QColor(0xAA, 0xBB, 0xCC));
        dialog->accept();
    });
    const auto chosen = dialogs.ColorDialog(Qt::black, true, custom);
    QCOMPARE(seenFirst, QColor(0x11, 0x22, 0x33));
    QCOMPARE(chosen, std::optional<QColor>(QColor(0xAA, 0xBB, 0xCC)));
    QCOMPARE(custom.size(), QColorDialog::customCount());
    QCOMPARE(custom[1], QColor(0x44, 0x55, 0x66));
    QCOMPARE(custom[2], QColor(0x77, 0x88, 0x99));
    QCOMPARE(custom[3], QColor(Qt::white));

    whenModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    QVERIFY(!dialogs.ColorDialog(Qt::black, false, custom).has_value());
    // Custom colours defined before cancelling are kept.
    QCOMPARE(custom[2], QColor(0x77, 0x88, 0x99));
}

QTEST_MAIN(tst_QtDialogs)
#include "tst_QtDialogs.moc"
