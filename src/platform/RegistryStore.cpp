// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RegistryStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>
#include <limits>
#include <memory>
#include <utility>

namespace {

const QString KeysMember = QStringLiteral("keys");
const QString ValuesMember = QStringLiteral("values");

// How long a change waits for another copy of the program to finish its own.
constexpr int LockTimeoutMs = 10000;

// Tests: how many bytes a write takes before it runs short; -1 for all.
qint64 WriteLimit = -1;

std::unique_ptr<RegistryStore> &TheInstance()
{
    static std::unique_ptr<RegistryStore> instance;
    return instance;
}

// The spelling under which name is stored in object, compared without
// regard to case; empty when it is not there.
QString FindName(const QJsonObject &object, const QString &name)
{
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it.key().compare(name, Qt::CaseInsensitive) == 0)
            return it.key();
    }
    return {};
}

bool IsNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    return std::floor(d) == d && d >= std::numeric_limits<qint32>::min()
        && d <= std::numeric_limits<qint32>::max();
}

QJsonObject NewKey()
{
    return QJsonObject{{KeysMember, QJsonObject()}, {ValuesMember, QJsonObject()}};
}

// Checks a key of the document and every key below it; returns what is
// wrong, or an empty text.
QString CheckKey(const QJsonObject &key, const QString &where)
{
    const QJsonValue keys = key.value(KeysMember);
    if (!keys.isUndefined() && !keys.isObject())
        return QStringLiteral("the keys of \"%1\" are not a JSON object").arg(where);
    const QJsonValue values = key.value(ValuesMember);
    if (!values.isUndefined() && !values.isObject())
        return QStringLiteral("the values of \"%1\" are not a JSON object").arg(where);
    const QJsonObject valueObject = values.toObject();
    for (auto it = valueObject.begin(); it != valueObject.end(); ++it) {
        if (!it.value().isString() && !IsNumber(it.value()))
            return QStringLiteral("the value \"%1\" of \"%2\" is neither a text nor a 32-bit number")
                .arg(it.key(), where);
    }
    const QJsonObject keyObject = keys.toObject();
    for (auto it = keyObject.begin(); it != keyObject.end(); ++it) {
        const QString path = where.isEmpty() ? it.key() : where + QLatin1Char('\\') + it.key();
        if (!it.value().isObject())
            return QStringLiteral("the key \"%1\" is not a JSON object").arg(path);
        const QString problem = CheckKey(it.value().toObject(), path);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

enum class EditResult { Ok, NoKey };

// Walks down the key path from node (creating missing keys when create is
// set) and, when valueName is given, stores the value in the last key.
EditResult ApplyAt(QJsonObject &node, const QStringList &parts, int index, bool create,
                   const QString &valueName, const std::optional<QJsonValue> &value)
{
    if (index == parts.size()) {
        if (value) {
            QJsonObject values = node.value(ValuesMember).toObject();
            const QString stored = FindName(values, valueName);
            values.insert(stored.isEmpty() ? valueName : stored, *value);
            node.insert(ValuesMember, values);
        }
        return EditResult::Ok;
    }
    QJsonObject keys = node.value(KeysMember).toObject();
    QString stored = FindName(keys, parts.at(index));
    QJsonObject child;
    if (stored.isEmpty()) {
        if (!create)
            return EditResult::NoKey;
        stored = parts.at(index);
        child = NewKey();
    } else {
        child = keys.value(stored).toObject();
    }
    if (ApplyAt(child, parts, index + 1, create, valueName, value) != EditResult::Ok)
        return EditResult::NoKey;
    keys.insert(stored, child);
    node.insert(KeysMember, keys);
    return EditResult::Ok;
}

// A name beside fileName that no file has yet, for keeping an unreadable
// document.
QString KeepAsideName(const QString &fileName)
{
    const QString base = fileName + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

} // namespace

RegistryStore::RegistryStore(const QString &fileName)
    : FFileName(fileName)
{
    Load();
}

RegistryStore &RegistryStore::Instance()
{
    auto &instance = TheInstance();
    if (!instance)
        instance = std::make_unique<RegistryStore>(DefaultFileName());
    return *instance;
}

QString RegistryStore::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/quillon/registry.json");
}

void RegistryStore::ResetInstanceForTesting()
{
    TheInstance().reset();
}

void RegistryStore::SetWriteLimitForTesting(qint64 bytes)
{
    WriteLimit = bytes;
}

QStringList RegistryStore::SplitPath(const QString &path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool RegistryStore::Load()
{
    QFile file(FFileName);
    if (!file.exists()) {
        FRoot = QJsonObject();
        return true;
    }
    QString problem;
    if (!file.open(QIODevice::ReadOnly)) {
        problem = file.errorString();
    } else {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
        file.close();
        if (error.error != QJsonParseError::NoError)
            problem = QStringLiteral("%1 at offset %2").arg(error.errorString()).arg(error.offset);
        else if (!document.isObject())
            problem = QStringLiteral("the document is not a JSON object");
        else
            problem = CheckKey(document.object(), QString());
        if (problem.isEmpty()) {
            FRoot = document.object();
            return true;
        }
    }

    // Never overwrite what could not be read: keep it beside for the user.
    FRoot = QJsonObject();
    const QString keptAs = KeepAsideName(FFileName);
    if (QFile::rename(FFileName, keptAs)) {
        FKeptAs = keptAs;
        FRecoveryNote = QStringLiteral("The settings file \"%1\" could not be read (%2). "
                                       "It was kept as \"%3\" and the settings start afresh.")
                            .arg(QDir::toNativeSeparators(FFileName), problem,
                                 QDir::toNativeSeparators(keptAs));
        return true;
    }
    FWritable = false;
    FRecoveryNote = QStringLiteral("The settings file \"%1\" could not be read (%2) and could not "
                                   "be moved aside. It is left untouched and no setting is saved.")
                        .arg(QDir::toNativeSeparators(FFileName), problem);
    return false;
}

bool RegistryStore::Save()
{
    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        FLastError = QStringLiteral("Can not write \"%1\": %2").arg(FFileName, file.errorString());
        return false;
    }
    // A write that runs short (a full disk) is never committed: the file
    // keeps its previous content whole.
    const QByteArray bytes = QJsonDocument(FRoot).toJson(QJsonDocument::Indented);
    const qint64 written = WriteLimit >= 0 && bytes.size() > WriteLimit
        ? file.write(bytes.constData(), WriteLimit) : file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = file.error() == QFileDevice::NoError
            ? QStringLiteral("No space left on device") : file.errorString();
        file.cancelWriting();
        FLastError = QStringLiteral("Can not write \"%1\": %2").arg(FFileName, reason);
        return false;
    }
    if (!file.commit()) {
        FLastError = QStringLiteral("Can not write \"%1\": %2").arg(FFileName, file.errorString());
        return false;
    }
    return true;
}

bool RegistryStore::Change(const QString &path, bool create, const QString &valueName,
                           const std::optional<QJsonValue> &value)
{
    FLastError.clear();
    if (!FWritable) {
        FLastError = QStringLiteral("The settings file \"%1\" could not be read; nothing is written to it")
                         .arg(FFileName);
        return false;
    }
    const QString folder = QFileInfo(FFileName).absolutePath();
    if (!QDir().mkpath(folder)) {
        FLastError = QStringLiteral("Can not create the folder \"%1\"").arg(folder);
        return false;
    }
    QLockFile lock(FFileName + QStringLiteral(".lock"));
    if (!lock.tryLock(LockTimeoutMs)) {
        FLastError = QStringLiteral("Can not lock \"%1\"").arg(FFileName);
        return false;
    }
    // Another copy of the program may have written in the meantime.
    if (!Load()) {
        FLastError = QStringLiteral("The settings file \"%1\" could not be read; nothing is written to it")
                         .arg(FFileName);
        return false;
    }
    QJsonObject root = FRoot;
    if (ApplyAt(root, SplitPath(path), 0, create, valueName, value) != EditResult::Ok) {
        FLastError = QStringLiteral("The key \"%1\" does not exist").arg(path);
        return false;
    }
    if (root == FRoot && QFileInfo::exists(FFileName))
        return true;
    const QJsonObject before = FRoot;
    FRoot = root;
    if (!Save()) {
        FRoot = before;
        return false;
    }
    return true;
}

std::optional<QJsonObject> RegistryStore::FindKey(const QString &path) const
{
    QJsonObject node = FRoot;
    for (const QString &part : SplitPath(path)) {
        const QJsonObject keys = node.value(KeysMember).toObject();
        const QString stored = FindName(keys, part);
        if (stored.isEmpty())
            return std::nullopt;
        node = keys.value(stored).toObject();
    }
    return node;
}

std::optional<QJsonValue> RegistryStore::FindValue(const QString &path, const QString &name)
{
    FLastError.clear();
    const std::optional<QJsonObject> key = FindKey(path);
    if (!key) {
        FLastError = QStringLiteral("The key \"%1\" does not exist").arg(path);
        return std::nullopt;
    }
    const QJsonObject values = key->value(ValuesMember).toObject();
    const QString stored = FindName(values, name);
    if (stored.isEmpty())
        return QJsonValue(QJsonValue::Undefined);
    return values.value(stored);
}

bool RegistryStore::KeyExists(const QString &path) const
{
    return FindKey(path).has_value();
}

bool RegistryStore::CreateKey(const QString &path)
{
    return Change(path, true, QString(), std::nullopt);
}

QStringList RegistryStore::ValueNames(const QString &path) const
{
    const std::optional<QJsonObject> key = FindKey(path);
    if (!key)
        return {};
    QStringList names = key->value(ValuesMember).toObject().keys();
    names.sort(Qt::CaseInsensitive);
    return names;
}

int RegistryStore::ValueCount(const QString &path) const
{
    const std::optional<QJsonObject> key = FindKey(path);
    return key ? int(key->value(ValuesMember).toObject().size()) : -1;
}

bool RegistryStore::ValueExists(const QString &path, const QString &name) const
{
    return GetValueType(path, name) != ValueType::None;
}

RegistryStore::ValueType RegistryStore::GetValueType(const QString &path, const QString &name) const
{
    const std::optional<QJsonObject> key = FindKey(path);
    if (!key)
        return ValueType::None;
    const QJsonObject values = key->value(ValuesMember).toObject();
    const QString stored = FindName(values, name);
    if (stored.isEmpty())
        return ValueType::None;
    return values.value(stored).isString() ? ValueType::Text : ValueType::Number;
}

std::optional<qint32> RegistryStore::ReadNumber(const QString &path, const QString &name)
{
    const std::optional<QJsonValue> value = FindValue(path, name);
    if (!value)
        return std::nullopt;
    if (value->isUndefined()) {
        FLastError = QStringLiteral("The value '%1' does not exist").arg(name);
        return std::nullopt;
    }
    if (!IsNumber(*value)) {
        FLastError = QStringLiteral("Invalid data type for '%1'").arg(name);
        return std::nullopt;
    }
    return qint32(value->toDouble());
}

std::optional<QString> RegistryStore::ReadText(const QString &path, const QString &name)
{
    const std::optional<QJsonValue> value = FindValue(path, name);
    if (!value)
        return std::nullopt;
    if (value->isUndefined())
        return QString();
    if (!value->isString()) {
        FLastError = QStringLiteral("Invalid data type for '%1'").arg(name);
        return std::nullopt;
    }
    return value->toString();
}

void RegistryStore::NoteIgnoredValue(const QString &path, const QString &name)
{
    const QString value = path + QLatin1Char('\\') + name;
    if (!FIgnored.contains(value, Qt::CaseInsensitive))
        FIgnored.append(value);
}

QStringList RegistryStore::TakeIgnoredValues()
{
    return std::exchange(FIgnored, {});
}

bool RegistryStore::WriteNumber(const QString &path, const QString &name, qint32 value)
{
    return Change(path, false, name, QJsonValue(value));
}

bool RegistryStore::WriteText(const QString &path, const QString &name, const QString &value)
{
    return Change(path, false, name, QJsonValue(value));
}
