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

// The bytes of DEL, a C1 control or a direction control in UTF-8: each stands only for that
// character, since no byte of one character starts another.
QByteArrayView controlAt(QByteArrayView json, qsizetype i)
{
    const auto byte = [&json](qsizetype at) { return at < json.size() ? uchar(json[at]) : 0; };
    if (byte(i) < 0x7f)
        return {};
    if (byte(i) == 0x7f)
        return json.sliced(i, 1);
    if (byte(i) == 0xc2 && byte(i + 1) >= 0x80 && byte(i + 1) <= 0x9f)
        return json.sliced(i, 2);
    if (byte(i) == 0xe2 && ((byte(i + 1) == 0x80 && byte(i + 2) >= 0xaa && byte(i + 2) <= 0xae) ||
                            (byte(i + 1) == 0x81 && byte(i + 2) >= 0xa6 && byte(i + 2) <= 0xa9)))
        return json.sliced(i, 3);
    return {};
}

} // namespace

QByteArray escapedControls(const QByteArray &json)
{
    QByteArray out;
    qsizetype copied = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const QByteArrayView control = controlAt(json, i);
        if (control.isEmpty())
            continue;
        out += QByteArrayView(json).sliced(copied, i - copied);
        const char16_t c = QString::fromUtf8(control).at(0).unicode();
        out += "\\u" + QByteArray::number(c, 16).rightJustified(4, '0');
        i += control.size() - 1;
        copied = i + 1;
    }
    if (copied == 0)
        return json;
    return out += QByteArrayView(json).sliced(copied);
}

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
    QJsonObject root{{u"format"_s, QString::fromUtf16(marker)},
                     {u"version"_s, version},
                     {d.name.key(), d.name.text},
                     {u"type"_s, type(d)},
                     {u"realms"_s, realms(d)},
                     {u"lists"_s, lists(d)}};
    for (const SheetExport::Value &v : d.allegiance)
        root.insert(v.key(), v.text);
    for (const SheetExport::Value &v : d.totals)
        root.insert(v.key(), numberOrText(v.text));
    return escapedControls(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

bool isExport(QByteArrayView head)
{
    // write() puts every top-level key on a line of its own, four blanks in; a string holds no
    // line feed, so only a top-level "format" key can stand on such a line.
    const QByteArray line = "\n    \"format\": \"" + QString::fromUtf16(marker).toUtf8() + "\",\n";
    return head.startsWith("{\n") && QByteArrayView(head).indexOf(line) >= 0;
}

} // namespace SheetJson
