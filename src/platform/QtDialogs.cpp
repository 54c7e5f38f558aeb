// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtDialogs.h"

#include "platform/FontFaces.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

struct ButtonMap {
    MsgButton button;
    QMessageBox::StandardButton standard;
};

// In the order the buttons are looked at for the Escape key.
constexpr ButtonMap buttonMap[] = {
    {mbCancel, QMessageBox::Cancel},
    {mbNo, QMessageBox::No},
    {mbOK, QMessageBox::Ok},
    {mbYes, QMessageBox::Yes},
};

MsgButtons effectiveButtons(MsgButtons buttons)
{
    buttons &= (mbOK | mbYes | mbNo | mbCancel);
    return buttons ? buttons : MsgButtons(mbOK);
}

bool hasWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

} // namespace

QWidget *QtDialogs::DialogParent()
{
    if (QWidget *parent = Dialogs::ParentWindow())
        return parent;
    return QApplication::activeWindow();
}

QString QtDialogs::MessageTitle(MsgKind kind)
{
    switch (kind) {
    case MsgKind::Warning:
        return QStringLiteral("Warning");
    case MsgKind::Error:
        return QStringLiteral("Error");
    case MsgKind::Information:
        return QStringLiteral("Information");
    case MsgKind::Confirmation:
        return QStringLiteral("Confirm");
    }
    return QString();
}

QString QtDialogs::MessageText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtDialogs::PrepareMessageBox(QMessageBox &box, MsgKind kind, const QString &text,
                                  MsgButtons buttons)
{
    static constexpr QMessageBox::Icon icons[] = {
        QMessageBox::Warning, QMessageBox::Critical, QMessageBox::Information,
        QMessageBox::Question};
    box.setIcon(icons[static_cast<int>(kind)]);
    box.setWindowTitle(MessageTitle(kind));
    // Messages often quote HTML; never let the box read it as rich text.
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageText(text));

    buttons = effectiveButtons(buttons);
    QMessageBox::StandardButtons standard;
    for (const ButtonMap &map : buttonMap) {
        if (buttons & map.button)
            standard |= map.standard;
    }
    box.setStandardButtons(standard);
    for (const ButtonMap &map : buttonMap) {
        if (buttons & map.button) {
            box.setEscapeButton(map.standard);
            break;
        }
    }
    // The first button offered is the default: Yes before No, OK alone.
    box.setDefaultButton(buttons & mbYes ? QMessageBox::Yes
                         : buttons & mbOK ? QMessageBox::Ok
                         : buttons & mbNo ? QMessageBox::No
                                          : QMessageBox::Cancel);
}

MsgButton QtDialogs::AnswerOf(const QMessageBox &box, int execResult)
{
    auto clicked = QMessageBox::StandardButton(execResult);
    if (QAbstractButton *button = box.clickedButton())
        clicked = box.standardButton(button);
    for (const ButtonMap &map : buttonMap) {
        if (map.standard == clicked)
            return map.button;
    }
    // Closed some other way: the same answer as Escape.
    if (QAbstractButton *escape = box.escapeButton()) {
        for (const ButtonMap &map : buttonMap) {
            if (map.standard == box.standardButton(escape))
                return map.button;
        }
    }
    return mbCancel;
}

MsgButton QtDialogs::MessageBox(MsgKind kind, const QString &text, MsgButtons buttons)
{
    QMessageBox box(DialogParent());
    PrepareMessageBox(box, kind, text, buttons);
    const int result = box.exec();
    return AnswerOf(box, result);
}

void QtDialogs::PrepareFileDialog(QFileDialog &dialog, const FileDialogRequest &request)
{
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setWindowTitle(request.title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // An open dialog takes only a file that exists; a save dialog asks
    // before it lets the user pick one that does (Qt's default).
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!request.initialDir.isEmpty())
        dialog.setDirectory(request.initialDir);
    if (!request.filters.isEmpty()) {
        dialog.setNameFilters(request.filters);
        const int index = request.filterIndex >= 0 && request.filterIndex < request.filters.size()
            ? request.filterIndex
            : 0;
        dialog.selectNameFilter(request.filters.at(index));
    }
    dialog.setDefaultSuffix(request.defaultExt);
    // A proposed name such as "*.htm" is a pattern, which the filters show
    // already; only a real name goes into the name field.
    if (!request.fileName.isEmpty() && !hasWildcard(request.fileName))
        dialog.selectFile(request.fileName);
}

FileDialogResult QtDialogs::ResultOf(const QFileDialog &dialog, const FileDialogRequest &request)
{
    FileDialogResult result;
    const QStringList files = dialog.selectedFiles();
    if (!files.isEmpty())
        result.fileName = files.first();
    result.filterIndex = qMax(0, int(request.filters.indexOf(dialog.selectedNameFilter())));
    return result;
}

FileDialogResult QtDialogs::FileDialog(const FileDialogRequest &request)
{
    QFileDialog dialog(DialogParent());
    PrepareFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted)
        return FileDialogResult{QString(), request.filterIndex};
    return ResultOf(dialog, request);
}

std::optional<QColor> QtDialogs::ColorDialog(const QColor &initial, bool fullOpen,
                                             QList<QColor> &customColors)
{
    // Qt's own dialog always shows its custom colours, so fullOpen needs
    // nothing more; the platform's dialog could not show our custom list.
    Q_UNUSED(fullOpen);
    const int count = QColorDialog::customCount();
    for (int i = 0; i < count; ++i)
        QColorDialog::setCustomColor(i, i < customColors.size() && customColors.at(i).isValid()
                                            ? customColors.at(i)
                                            : QColor(Qt::white));

    QColorDialog dialog(initial, DialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;

    customColors.clear();
    for (int i = 0; i < count; ++i)
        customColors.append(QColorDialog::customColor(i));
    if (!accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

std::optional<QFont> QtDialogs::FontDialog(const QFont &initial)
{
    // Opened on the font's installed face, and keeping weight and slant when
    // the user picks another family: the dialog would otherwise fall back
    // to a family's first listed face (oblique for DejaVu Sans Mono).
    QFontDialog dialog(FontFaces::WithStyleName(initial), DialogParent());
    FontFaces::KeepStyleAcrossFamilies(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

bool QtDialogs::PrintDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::PrinterSetupDialog(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, DialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::Beep()
{
    QApplication::beep();
}
