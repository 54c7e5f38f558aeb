// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingsStore.h"

#include "editor/OptionTable.h"
#include "platform/Dialogs.h"
#include "platform/FatalErrorText.h"
#include "platform/FontFaces.h"
#include "platform/RaisedError.h"
#include "platform/RegistryStore.h"
#include "shell/SettingsKeys.h"

#include <QDir>
#include <QStandardPaths>

#include <array>

const QString SettingsStore::BaseKey = SettingsKeys::Base();
const QString SettingsStore::SetupMessage = QStringLiteral("Setup Application ...");

namespace {

const QString OptionsKey = QStringLiteral("Options");
const QString EditorKey = QStringLiteral("Editor");
const QString BrowsersKey = QStringLiteral("Browsers");
const QString CustomColorsKey = QStringLiteral("Custom Colors");
const QString RufKey = QStringLiteral("RUF");
const QString WorkKey = QStringLiteral("Work");
const QString IndxValue = QStringLiteral("Indx");

// A registry operation that failed; carries the store's error text.
struct RegistryFailure {
    QString message;
};

void Check(bool ok, const RegistryStore &registry)
{
    if (!ok)
        throw RegistryFailure{registry.LastError()};
}

void WriteNumber(RegistryStore &registry, const QString &key, const QString &name, qint32 value)
{
    Check(registry.WriteNumber(key, name, value), registry);
}

void WriteText(RegistryStore &registry, const QString &key, const QString &name,
               const QString &value)
{
    Check(registry.WriteText(key, name, value), registry);
}

qint32 ReadNumber(RegistryStore &registry, const QString &key, const QString &name)
{
    const std::optional<qint32> value = registry.ReadNumber(key, name);
    if (!value)
        throw RegistryFailure{registry.LastError()};
    return *value;
}

// A value that must be there: a missing one is an error. One of the wrong
// kind is noted as ignored and gives nothing, so the caller's default stays.
bool HasRequiredValue(RegistryStore &registry, const QString &key, const QString &name,
                      RegistryStore::ValueType type)
{
    const RegistryStore::ValueType stored = registry.GetValueType(key, name);
    if (stored == RegistryStore::ValueType::None)
        throw RegistryFailure{QStringLiteral("The value '%1' does not exist").arg(name)};
    if (stored != type)
        registry.NoteIgnoredValue(key, name);
    return stored == type;
}

std::optional<qint32> ReadRequiredNumber(RegistryStore &registry, const QString &key,
                                         const QString &name)
{
    if (!HasRequiredValue(registry, key, name, RegistryStore::ValueType::Number))
        return std::nullopt;
    return ReadNumber(registry, key, name);
}

std::optional<QString> ReadRequiredText(RegistryStore &registry, const QString &key,
                                        const QString &name)
{
    if (!HasRequiredValue(registry, key, name, RegistryStore::ValueType::Text))
        return std::nullopt;
    const std::optional<QString> value = registry.ReadText(key, name);
    if (!value)
        throw RegistryFailure{registry.LastError()};
    return value;
}

QString BrowserValue(int index)
{
    return QStringLiteral("Browser_%1").arg(index);
}

QString ColorValue(int index)
{
    return QStringLiteral("Color_%1").arg(index);
}

// The sixteen basic colours, as stored (blue in the high byte).
constexpr std::array<qint32, 16> BasicColors = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// The known browsers looked for on the search path, after xdg-open.
const QStringList KnownBrowsers = {
    QStringLiteral("firefox"),       QStringLiteral("firefox-esr"), QStringLiteral("chromium"),
    QStringLiteral("google-chrome"), QStringLiteral("epiphany"),    QStringLiteral("falkon"),
    QStringLiteral("konqueror"),
};

} // namespace

SettingsStore::SettingsStore(RegistryStore &registry) : FRegistry(registry) {}

QString SettingsStore::KeyPath(const QString &subKey)
{
    return SettingsKeys::Path(subKey);
}

// ---------------------------------------------------------------- first run

bool SettingsStore::FirstRunSetup(const FirstRunInput &input, QString &workDir)
{
    try {
        if (!CreateFirstRunKeys(input, workDir))
            return false;
    } catch (const RegistryFailure &failure) {
        FatalErrorText() =
            QStringLiteral("Can not setup application : %1").arg(ErrorReason(failure.message));
        return false;
    }
    if (!input.saveSetupDone || !input.saveSetupDone()) {
        FatalErrorText() = QStringLiteral("Can not save setup info.");
        return false;
    }
    return true;
}

bool SettingsStore::CreateFirstRunKeys(const FirstRunInput &input, QString &workDir)
{
    // Keys opened by full path get upper-case names; the three created by
    // relative name keep their spelling. Names compare without case anyway.
    const QString base = BaseKey.toUpper();
    auto cannotCreate = [](const QString &what) {
        FatalErrorText() = QStringLiteral("Can not create subkey : ") + what;
        return false;
    };
    // Without the base key nothing could be stored; recording the setup as
    // done would only make every later start fail.
    if (!FRegistry.CreateKey(base))
        return cannotCreate(base);

    for (const QString &subKey : {OptionsKey, RufKey, CustomColorsKey}) {
        if (!FRegistry.CreateKey(base + QLatin1Char('\\') + subKey))
            return cannotCreate(subKey);
    }

    const QString browsers = KeyPath(BrowsersKey).toUpper();
    if (!FRegistry.CreateKey(browsers))
        return cannotCreate(browsers);
    WriteNumber(FRegistry, browsers, IndxValue, -1);

    const QString work = KeyPath(WorkKey).toUpper();
    if (!FRegistry.CreateKey(work))
        return cannotCreate(work);
    WriteText(FRegistry, work, QStringLiteral("Dir"), input.webPagesDir);
    workDir = input.webPagesDir;

    const QString editor = KeyPath(EditorKey).toUpper();
    if (!FRegistry.CreateKey(editor))
        return cannotCreate(editor);
    WriteText(FRegistry, editor, QStringLiteral("Font Name"), input.font.family());
    WriteNumber(FRegistry, editor, QStringLiteral("Font Style"), 0);
    WriteNumber(FRegistry, editor, QStringLiteral("Font Size"), qRound(input.font.pointSizeF()));
    WriteNumber(FRegistry, editor, QStringLiteral("Font Color"), ColorToRef(input.fontColor));
    WriteNumber(FRegistry, editor, QStringLiteral("Back Color"), 0xFFFFFF);
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key == OptionTable::Key::Editor)
            WriteNumber(FRegistry, editor, QLatin1String(row.value), row.defaultValue);
    }

    Check(DetectBrowsers(input.browserSearchPaths), FRegistry);
    return true;
}

bool SettingsStore::NeedsFirstRun(bool setupDone) const
{
    return !setupDone || FRegistry.Recovered() || !FRegistry.KeyExists(BaseKey);
}

void SettingsStore::ReportIgnoredValues()
{
    const QStringList ignored = FRegistry.TakeIgnoredValues();
    if (ignored.isEmpty())
        return;
    QStringList lines;
    const QString base = BaseKey + QLatin1Char('\\');
    for (const QString &value : ignored)
        lines.append(value.startsWith(base, Qt::CaseInsensitive) ? value.mid(base.size()) : value);
    Dialogs::Instance().MessageBox(
        MsgKind::Warning,
        QStringLiteral("These settings in \"%1\" are not of the kind expected; they were ignored "
                       "and their defaults are used:\r")
                .arg(QDir::toNativeSeparators(FRegistry.FileName()))
            + lines.join(QLatin1Char('\r')),
        mbOK);
}

void SettingsStore::ReportRegistryRecovery()
{
    if (!FRegistry.Recovered() || FRecoveryReported)
        return;
    FRecoveryReported = true;
    Dialogs::Instance().MessageBox(MsgKind::Warning, FRegistry.RecoveryNote(), mbOK);
}

// ------------------------------------------------------------------ options

qint32 SettingsStore::ReadIntDefault(const QString &name, qint32 defaultValue)
{
    const QString key = KeyPath(OptionsKey);
    switch (FRegistry.GetValueType(key, name)) {
    case RegistryStore::ValueType::Number:
        return ReadNumber(FRegistry, key, name);
    case RegistryStore::ValueType::Text:
        // Kept as it is until the options are saved; the default serves.
        FRegistry.NoteIgnoredValue(key, name);
        return defaultValue;
    case RegistryStore::ValueType::None:
        break;
    }
    WriteNumber(FRegistry, key, name, defaultValue);
    return defaultValue;
}

bool SettingsStore::LoadOptions(OptionsData &options)
{
    try {
        LoadOptionValues(options);
        LoadEditorValues(options);
    } catch (const RegistryFailure &failure) {
        FatalErrorText() =
            QStringLiteral("Can not load options: %1").arg(ErrorReason(failure.message));
        return false;
    }
    if (!LoadCustomColors(options.customColors, false))
        Dialogs::Instance().MessageBox(MsgKind::Error,
                                       QStringLiteral("Can not load custom colors."), mbOK);
    return true;
}

void SettingsStore::LoadOptionValues(OptionsData &options)
{
    if (!FRegistry.KeyExists(KeyPath(OptionsKey)))
        return;
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key == OptionTable::Key::Options)
            OptionTable::Set(options.values, row,
                             ReadIntDefault(QLatin1String(row.value), row.defaultValue));
    }
}

void SettingsStore::LoadEditorValues(OptionsData &options)
{
    const QString key = KeyPath(EditorKey);
    Check(FRegistry.CreateKey(key), FRegistry);
    LiveOptionValues &v = options.values;
    auto number = [&](const char *name) {
        return ReadRequiredNumber(FRegistry, key, QString::fromLatin1(name));
    };
    if (const std::optional<QString> family =
            ReadRequiredText(FRegistry, key, QStringLiteral("Font Name")))
        v.editorFont.setFamily(*family);
    const std::optional<qint32> style = number("Font Style");
    if (const std::optional<qint32> size = number("Font Size"); size && *size > 0)
        v.editorFont.setPointSize(*size);
    ApplyFontStyleBits(v.editorFont, style.value_or(0));
    v.editorFontColor = StandardColorOr(number("Font Color").value_or(0x000000), Qt::black);
    v.backColor = StandardColorOr(number("Back Color").value_or(0xFFFFFF), Qt::white);
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key == OptionTable::Key::Editor)
            OptionTable::Set(v, row, number(row.value).value_or(row.defaultValue));
    }
}

bool SettingsStore::SaveOptions(const OptionsData &options)
{
    try {
        SaveOptionValues(options);
        SaveEditorValues(options);
    } catch (const RegistryFailure &) {
        return false;
    }
    QList<QColor> colors = options.customColors;
    if (!LoadCustomColors(colors, true))
        Dialogs::Instance().MessageBox(MsgKind::Error,
                                       QStringLiteral("Can not save custom colors."), mbOK);
    return true;
}

void SettingsStore::SaveOptionValues(const OptionsData &options)
{
    const QString key = KeyPath(OptionsKey);
    Check(FRegistry.CreateKey(key), FRegistry);
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key == OptionTable::Key::Options)
            WriteNumber(FRegistry, key, QLatin1String(row.value),
                        OptionTable::Get(options.values, row));
    }
}

void SettingsStore::SaveEditorValues(const OptionsData &options)
{
    const QString key = KeyPath(EditorKey);
    if (!FRegistry.KeyExists(key))
        return;
    const LiveOptionValues &v = options.values;
    WriteText(FRegistry, key, QStringLiteral("Font Name"), v.editorFont.family());
    WriteNumber(FRegistry, key, QStringLiteral("Font Style"), FontStyleBits(v.editorFont));
    WriteNumber(FRegistry, key, QStringLiteral("Font Size"), qRound(v.editorFont.pointSizeF()));
    WriteNumber(FRegistry, key, QStringLiteral("Font Color"), ColorToRef(v.editorFontColor));
    WriteNumber(FRegistry, key, QStringLiteral("Back Color"), ColorToRef(v.backColor));
    for (const OptionTable::Row &row : OptionTable::Rows()) {
        if (row.key == OptionTable::Key::Editor)
            WriteNumber(FRegistry, key, QLatin1String(row.value), OptionTable::Get(v, row));
    }
}

bool SettingsStore::LoadCustomColors(QList<QColor> &colors, bool save)
{
    const QString key = KeyPath(CustomColorsKey);
    if (!FRegistry.CreateKey(key))
        return false;
    if (save) {
        for (int i = 0; i < colors.size(); ++i) {
            const QColor &color = colors.at(i);
            if (!FRegistry.WriteText(key, ColorValue(i),
                                     color.isValid() ? color.name() : QString()))
                return false;
        }
        return true;
    }
    const int count = FRegistry.ValueCount(key);
    for (int i = 0; i < count; ++i) {
        const std::optional<QString> text = FRegistry.ReadText(key, ColorValue(i));
        if (!text)
            FRegistry.NoteIgnoredValue(key, ColorValue(i));
        // An entry that is no colour keeps its place in the list.
        colors.append(QColor::fromString(text.value_or(QString()).trimmed()));
    }
    return true;
}

// ----------------------------------------------------------------- browsers

bool SettingsStore::LoadBrowsers(OptionsData &options)
{
    const QString key = KeyPath(BrowsersKey);
    if (!FRegistry.KeyExists(key))
        return false;
    for (const QString &name : FRegistry.ValueNames(key)) {
        if (name.compare(IndxValue, Qt::CaseInsensitive) == 0)
            continue;
        // Paths keep their letter case: the file system tells them apart.
        const std::optional<QString> path = FRegistry.ReadText(key, name);
        if (!path)
            FRegistry.NoteIgnoredValue(key, name);
        else if (!path->trimmed().isEmpty())
            options.browsers.append(path->trimmed());
    }
    if (FRegistry.GetValueType(key, IndxValue) == RegistryStore::ValueType::Text)
        FRegistry.NoteIgnoredValue(key, IndxValue);
    const qint32 index = FRegistry.ReadNumber(key, IndxValue).value_or(-1);
    options.browserIndex = index >= 0 && index < options.browsers.size() ? index : -1;
    return true;
}

bool SettingsStore::SaveBrowsers(const OptionsData &options)
{
    const QString key = KeyPath(BrowsersKey);
    try {
        Check(FRegistry.CreateKey(key), FRegistry);
        const int index =
            options.browserIndex >= 0 && options.browserIndex < options.browsers.size()
            ? options.browserIndex
            : -1;
        WriteNumber(FRegistry, key, IndxValue, index);
        for (int i = 0; i < options.browsers.size(); ++i)
            WriteText(FRegistry, key, BrowserValue(i), options.browsers.at(i));
        for (int i = options.browsers.size(); i < BrowserSlots; ++i)
            WriteText(FRegistry, key, BrowserValue(i), QString());
    } catch (const RegistryFailure &) {
        return false;
    }
    return true;
}

QStringList SettingsStore::InstalledBrowsers(const QStringList &searchPaths)
{
    QStringList found;
    auto look = [&](const QString &name) {
        const QString path = QStandardPaths::findExecutable(name, searchPaths);
        if (!path.isEmpty() && !found.contains(path))
            found.append(path);
    };
    look(QStringLiteral("xdg-open"));
    for (const QString &name : KnownBrowsers)
        look(name);
    return found.mid(0, BrowserSlots);
}

bool SettingsStore::DetectBrowsers(const QStringList &searchPaths)
{
    const QStringList browsers = InstalledBrowsers(searchPaths);
    const QString key = KeyPath(BrowsersKey);
    if (!FRegistry.KeyExists(key))
        return true;
    try {
        if (!browsers.isEmpty()) {
            WriteNumber(FRegistry, key, IndxValue, 0);
            for (int i = 0; i < browsers.size(); ++i)
                WriteText(FRegistry, key, BrowserValue(i), browsers.at(i));
        }
        for (int i = browsers.size(); i < BrowserSlots; ++i)
            WriteText(FRegistry, key, BrowserValue(i), QString());
    } catch (const RegistryFailure &) {
        return false;
    }
    return true;
}

// ------------------------------------------------------ colours and styles

qint32 SettingsStore::ColorToRef(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor SettingsStore::RefToColor(qint32 ref)
{
    return QColor(ref & 0xFF, (ref >> 8) & 0xFF, (ref >> 16) & 0xFF);
}

QColor SettingsStore::StandardColorOr(qint32 ref, const QColor &fallback)
{
    for (qint32 basic : BasicColors) {
        if (basic == ref)
            return RefToColor(ref);
    }
    return fallback;
}

qint32 SettingsStore::FontStyleBits(const QFont &font)
{
    return (font.bold() ? 8 : 0) | (font.italic() ? 4 : 0) | (font.underline() ? 2 : 0)
        | (font.strikeOut() ? 1 : 0);
}

void SettingsStore::ApplyFontStyleBits(QFont &font, qint32 bits)
{
    font.setBold(bits & 8);
    font.setItalic(bits & 4);
    font.setUnderline(bits & 2);
    font.setStrikeOut(bits & 1);
    // The font names its face, so that the font dialog shows that face
    // rather than the first one the family lists (an oblique one, for some).
    font.setStyleName(FontFaces::StyleName(font));
}
