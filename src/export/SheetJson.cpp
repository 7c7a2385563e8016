#include "export/SheetJson.h"

#include "export/SheetDescription.h"
#include "resources/ItemFields.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace SheetJson {
namespace {

// The largest integer a double holds with every integer below it: 2^53 - 1.
constexpr qint64 largestExact = (qint64(1) << 53) - 1;

QJsonObject type(const SheetExport::Description &d)
{
    return {{u"number"_s, d.typeIndex},
            {u"name"_s, d.typeName.isEmpty() ? QJsonValue() : QJsonValue(d.typeName)}};
}

QJsonObject realms(const SheetExport::Description &d)
{
    QJsonObject all;
    for (const SheetExport::Realm &realm : d.realms) {
        QJsonObject one{{realm.forces.key(), numberOrText(realm.forces.text)}};
        for (const SheetExport::Value &c : realm.characteristics)
            one.insert(c.key(), numberOrText(c.text));
        all.insert(realm.key, one);
    }
    return all;
}

QJsonObject item(SheetList list, const QString &text)
{
    QJsonObject object{{u"text"_s, text}};
    if (const auto fields = Resources::readItem(list, text))
        for (const Resources::ItemField &field : *fields)
            object.insert(field.key, field.number ? numberOrText(field.text) : field.text);
    return object;
}

QJsonObject lists(const SheetExport::Description &d)
{
    QJsonObject all;
    for (const SheetExport::List &list : d.lists) {
        QJsonArray items;
        for (const QString &text : list.items)
            items.append(item(list.list, text));
        all.insert(SheetNames::key(list.list), items);
    }
    return all;
}

} // namespace

QJsonValue numberOrText(const QString &text)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (ok && n >= -largestExact && n <= largestExact && QString::number(n) == text)
        return n;
    return text;
}

QByteArray write(const CharacterSheet &sheet)
{
    const SheetExport::Description d = SheetExport::describe(sheet);
    QJsonObject root{{u"format"_s, QString::fromUtf16(SheetExport::jsonMarker)},
                     {u"version"_s, version},
                     {d.name.key(), d.name.text},
                     {u"type"_s, type(d)},
                     {u"realms"_s, realms(d)},
                     {u"lists"_s, lists(d)}};
    for (const SheetExport::Value &v : d.allegiance)
        root.insert(v.key(), v.text);
    for (const SheetExport::Value &v : d.totals)
        root.insert(v.key(), numberOrText(v.text));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool isExport(QByteArrayView head)
{
    // write() puts every top-level key on a line of its own, four blanks in; a string holds no
    // line feed, so only a top-level "format" key can stand on such a line.
    const QByteArray marker =
        "\n    \"format\": \"" + QString::fromUtf16(SheetExport::jsonMarker).toUtf8() + "\",\n";
    return head.startsWith("{\n") && QByteArrayView(head).indexOf(marker) >= 0;
}

} // namespace SheetJson
