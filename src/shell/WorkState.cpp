// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WorkState.h"

#include "platform/FatalErrorText.h"
#include "platform/RaisedError.h"
#include "platform/RegistryStore.h"
#include "shell/SettingsKeys.h"

const QString WorkState::LoadingMessage = QStringLiteral("Loading Working Data ...");

namespace {

QString WorkKey()
{
    return SettingsKeys::Path(QStringLiteral("Work"));
}

} // namespace

QString WorkState::FormatWindowPlacement(const WindowPlacement &p)
{
    auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    auto position = [](qint32 value) { return QString::number(value < 0 ? 1 : value); };
    return QStringList{flag(p.Maximized), flag(p.StayOnTop),        position(p.Left),
                       position(p.Top),   QString::number(p.Width), QString::number(p.Height)}
        .join(QLatin1Char(','));
}

std::optional<WindowPlacement> WorkState::ParseWindowPlacement(const QString &text, QString *error)
{
    WindowPlacement placement;
    const QStringList fields = text.split(QLatin1Char(','));
    for (qsizetype i = 0; i < fields.size(); ++i) {
        bool ok = false;
        const qint32 value = fields.at(i).toInt(&ok);
        if (!ok) {
            if (error)
                *error = QStringLiteral("'%1' is not a valid integer value").arg(fields.at(i));
            return std::nullopt;
        }
        // The text after the last comma is always the height.
        if (i == fields.size() - 1) {
            placement.Height = value;
            break;
        }
        switch (i) {
        case 0:
            placement.Maximized = value == 1;
            break;
        case 1:
            placement.StayOnTop = value == 1;
            break;
        case 2:
            placement.Left = value;
            break;
        case 3:
            placement.Top = value;
            break;
        case 4:
            placement.Width = value;
            break;
        default:
            break;
        }
    }
    return placement;
}

bool WorkState::LoadWorkState(RegistryStore &registry)
{
    const QString key = WorkKey();
    if (!registry.KeyExists(key)) {
        FatalErrorText() = QStringLiteral("Can not read working directory.");
        return false;
    }
    // A value of the wrong kind, or a placement that does not parse, is
    // noted as ignored and leaves what is here.
    auto read = [&](const QString &name) -> std::optional<QString> {
        const std::optional<QString> value = registry.ReadText(key, name);
        if (!value) {
            registry.NoteIgnoredValue(key, name);
            return std::nullopt;
        }
        return value->trimmed();
    };
    auto readPlacement = [&](const QString &name, WindowPlacement &placement) {
        const std::optional<QString> text = read(name);
        if (!text || text->isEmpty())
            return;
        if (const std::optional<WindowPlacement> parsed = ParseWindowPlacement(*text))
            placement = *parsed;
        else
            registry.NoteIgnoredValue(key, name);
    };
    if (const std::optional<QString> dir = read(QStringLiteral("Dir")))
        WorkDir = *dir;
    readPlacement(QStringLiteral("Main Form"), MainPlacement);
    readPlacement(QStringLiteral("Tag Inspector"), InspectorPlacement);
    return true;
}

bool WorkState::SaveWorkState(RegistryStore &registry) const
{
    const QString key = WorkKey();
    if (!registry.CreateKey(key))
        return true;
    QString dir = WorkDir;
    // Keep a lone "/" (the root folder): without it the folder would be lost.
    if (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    WindowPlacement main = MainPlacement;
    main.StayOnTop = false;
    const bool saved = registry.WriteText(key, QStringLiteral("Dir"), dir)
        && registry.WriteText(key, QStringLiteral("Main Form"), FormatWindowPlacement(main))
        && registry.WriteText(key, QStringLiteral("Tag Inspector"),
                              FormatWindowPlacement(InspectorPlacement));
    if (!saved) {
        FatalErrorText() =
            QStringLiteral("Can not save work info: %1").arg(ErrorReason(registry.LastError()));
        return false;
    }
    return true;
}
