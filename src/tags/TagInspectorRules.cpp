// Quillon - an HTML source editor
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tags/TagInspectorRules.h"

#include "controls/ColorText.h"
#include "controls/LetterCase.h"
#include "platform/RaisedError.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>

namespace {

// The document-type versions and the text each one is written as.
struct DocTypeVersion {
    const char *version;
    const char *identifier;
};
constexpr std::array<DocTypeVersion, 3> DocTypeVersions{{
    {"HTML 2.0", "//IETF//DTD HTML 2.0//EN"},
    {"HTML 3.2", "-//W3C//DTD HTML 3.2 Final//EN"},
    {"HTML 4.0", "-//W3C//DTD HTML 4.0 Final//EN"},
}};

// The sixteen standard colour names; QColor knows their values.
constexpr std::array<const char *, 16> StandardColors{
    "Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
    "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

bool IsCanEditColor(const AttrRecord &attribute)
{
    return attribute.CanEdit && attribute.Type == QLatin1String("Color");
}

} // namespace

namespace {
const QString ImagePage = QStringLiteral("Image");
const QString ImageGroup = QStringLiteral("Image & Imagemap");
} // namespace

QString TagInspectorRules::GroupOfPage(const QString &page)
{
    return page.compare(ImagePage, Qt::CaseInsensitive) == 0 ? ImageGroup : page;
}

QString TagInspectorRules::PageOfGroup(const QString &group)
{
    return group.compare(ImageGroup, Qt::CaseInsensitive) == 0 ? ImagePage : group;
}

QString TagInspectorRules::DisplayName(const AttrRecord &attribute)
{
    const QString name = AsciiLower(attribute.Attribute.trimmed());
    return AsciiUpper(name.left(1)) + name.mid(1);
}

bool TagInspectorRules::HasList(const AttrRecord &attribute)
{
    return AsciiUpper(attribute.ControlType.trimmed()) == QLatin1String("TCOMBOBOX");
}

bool TagInspectorRules::HasFileDialog(const AttrRecord &attribute)
{
    return AsciiUpper(attribute.ControlType.trimmed()) == QLatin1String("TOPENDIALOG");
}

QString TagInspectorRules::InitialValue(const AttrRecord &attribute)
{
    // A file-dialog row starts empty: its default is the "Select" marker,
    // not a value.
    return HasFileDialog(attribute) ? QString() : attribute.DefaultValue.trimmed();
}

int TagInspectorRules::InitialListIndex(const QStringList &items, const QString &defaultValue)
{
    const QString wanted = defaultValue.trimmed().toUpper();
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).toUpper() == wanted)
            return i;
    }
    return -1;
}

bool TagInspectorRules::ChoosesFile(const AttrRecord &attribute)
{
    return attribute.CanEdit && attribute.DefaultValue == QLatin1String("Select");
}

QString TagInspectorRules::FileReference(const QString &chosenFile, const QString &pageFileName)
{
    const QFileInfo chosen(chosenFile);
    if (chosen.isRelative())
        return chosenFile;
    if (pageFileName.isEmpty())
        return chosen.fileName();
    return QFileInfo(pageFileName).absoluteDir().relativeFilePath(chosen.absoluteFilePath());
}

QString TagInspectorRules::ColorText(const QString &name)
{
    const QString wanted = name.trimmed();
    for (const char *standard : StandardColors) {
        if (wanted.compare(QLatin1String(standard), Qt::CaseInsensitive) == 0)
            return ::ColorText(QColor(QLatin1String(standard)));
    }
    throw std::runtime_error(
        (QStringLiteral("\"") + wanted + QStringLiteral("\" is not a colour name")).toStdString());
}

QString TagInspectorRules::GenerateAttributes(const TagRecord &tag,
                                              const QList<AttrRecord> &attributes,
                                              const QList<InspectorRowState> &rows, bool attrUpper)
{
    QString result;
    try {
        const qsizetype count = std::min(attributes.size(), rows.size());
        for (qsizetype i = 0; i < count; ++i) {
            const AttrRecord &attribute = attributes.at(i);
            const InspectorRowState &row = rows.at(i);
            if (!row.Included)
                continue;
            const QString N = AttrCase(DisplayName(attribute), attrUpper);
            const QString Q = attribute.SurroundedBy.trimmed();
            const QString &V = row.Value;

            if (attribute.CanEdit) {
                QString value = V;
                if (IsCanEditColor(attribute)) {
                    // A colour is chosen by name from the row's list and
                    // written as its value; a row without a list keeps its
                    // cell text.
                    const QString chosen = (row.ListText ? *row.ListText : V).trimmed();
                    value = chosen.isEmpty() ? QString() : ColorText(chosen);
                }
                result += QLatin1Char(' ') + N + QLatin1Char('=') + Q + value + Q;
                continue;
            }

            if (attribute.Type.compare(QLatin1String("NOVALUE"), Qt::CaseInsensitive) == 0)
                result += QLatin1Char(' ') + N;
            else if (!V.trimmed().isEmpty())
                result += QLatin1Char(' ') + N + QLatin1Char('=') + Q + V + Q;

            if (tag.TagName.trimmed() == QLatin1String("!DOCTYPE")) {
                for (const DocTypeVersion &doc : DocTypeVersions) {
                    if (V.trimmed().compare(QLatin1String(doc.version), Qt::CaseInsensitive) == 0) {
                        result = AttrCase(QStringLiteral(" HTML PUBLIC \"")
                                              + QLatin1String(doc.identifier) + QLatin1Char('"'),
                                          attrUpper);
                        break;
                    }
                }
            }
        }
    } catch (...) {
        RaiseError(QStringLiteral("Can not generate attribute: %1"), CaughtErrorText());
    }
    return result;
}
