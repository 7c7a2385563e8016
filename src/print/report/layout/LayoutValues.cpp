#include "print/report/layout/LayoutValues.h"

#include "common/QuotedValue.h"
#include "print/report/Tr.h"

#include <QPageSize>

using namespace Qt::StringLiterals;

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

namespace LayoutValues {

namespace {

template <class T>
T choose(const QString &text, const QList<std::pair<QString, T>> &choices, QString &error)
{
    QStringList names;
    for (const auto &[name, value] : choices) {
        if (text == name)
            return value;
        names << u"\"%1\""_s.arg(name);
    }
    error = ReportTr::tr("%1 is not one of %2")
                .arg(QuotedValue::quote(text, u'"'), names.join(u", "_s));
    return choices.constFirst().second;
}

} // namespace

bool insertName(QSet<QString> &names, const QString &name)
{
    const QString key = name.toCaseFolded();
    if (names.contains(key))
        return false;
    names.insert(key);
    return true;
}

std::optional<PartKind> partKind(const QString &element)
{
    static const QList<std::pair<QString, PartKind>> kinds = {
        {u"text"_s, PartKind::Text}, {u"memo"_s, PartKind::Memo}, {u"label"_s, PartKind::Label},
        {u"line"_s, PartKind::Line}, {u"box"_s, PartKind::Box},   {u"image"_s, PartKind::Image},
    };
    for (const auto &[name, kind] : kinds)
        if (element == name)
            return kind;
    return std::nullopt;
}

double millimetresPer(const QString &unit)
{
    if (unit.isEmpty() || unit == u"mm"_s)
        return 1;
    if (unit == u"cm"_s)
        return 10;
    if (unit == u"in"_s)
        return 25.4;
    if (unit == u"pt"_s)
        return 25.4 / 72;
    return 0;
}

QSizeF paperSize(const QString &paper)
{
    static const QList<std::pair<QString, QPageSize::PageSizeId>> sizes = {
        {u"A3"_s, QPageSize::A3},
        {u"A4"_s, QPageSize::A4},
        {u"A5"_s, QPageSize::A5},
        {u"B5"_s, QPageSize::B5},
        {u"Letter"_s, QPageSize::Letter},
        {u"Legal"_s, QPageSize::Legal},
        {u"Executive"_s, QPageSize::Executive},
    };
    for (const auto &[name, id] : sizes)
        if (sameName(paper, name))
            return QPageSize::size(id, QPageSize::Millimeter);
    return {};
}

bool weight(const QString &text, QString &error)
{
    return choose<bool>(text, {{u"normal"_s, false}, {u"bold"_s, true}}, error);
}

bool yesNo(const QString &text, QString &error)
{
    return choose<bool>(text, {{u"no"_s, false}, {u"yes"_s, true}}, error);
}

QColor colour(const QString &text, QString &error)
{
    const QColor colour = QColor::fromString(text);
    if (!colour.isValid()) {
        error = ReportTr::tr("%1 is not a colour (write #rrggbb or a colour name)")
                    .arg(QuotedValue::quote(text, u'"'));
        return Qt::black;
    }
    return colour;
}

Qt::Alignment horizontal(const QString &text, QString &error)
{
    return choose<Qt::Alignment>(
        text,
        {{u"left"_s, Qt::AlignLeft}, {u"center"_s, Qt::AlignHCenter}, {u"right"_s, Qt::AlignRight}},
        error);
}

Qt::Alignment vertical(const QString &text, QString &error)
{
    return choose<Qt::Alignment>(
        text,
        {{u"top"_s, Qt::AlignTop}, {u"middle"_s, Qt::AlignVCenter}, {u"bottom"_s, Qt::AlignBottom}},
        error);
}

Overflow overflow(const QString &text, PartKind kind, QString &error)
{
    const bool memo = kind == PartKind::Memo;
    if (text.isEmpty())
        return memo ? Overflow::Continue : Overflow::Shrink;
    QList<std::pair<QString, Overflow>> choices = {{u"shrink"_s, Overflow::Shrink},
                                                   {u"clip"_s, Overflow::Clip}};
    if (memo)
        choices.append({u"continue"_s, Overflow::Continue});
    return choose<Overflow>(text, choices, error);
}

} // namespace LayoutValues
