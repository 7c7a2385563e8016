#include "print/report/layout/LayoutReader.h"

#include "common/OutsideFile.h"
#include "common/QuillError.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"
#include "print/report/Tr.h"
#include "print/report/layout/LayoutImages.h"
#include "print/report/layout/LayoutValues.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QXmlStreamReader>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace LayoutReader {

namespace {

const QStringList styleAttributes = {u"font"_s,  u"size"_s,  u"weight"_s, u"italic"_s,
                                     u"color"_s, u"align"_s, u"valign"_s};
const double maximumPaper = 2000; // mm
const QStringList boxAttributes = {u"name"_s, u"x"_s, u"y"_s, u"width"_s, u"height"_s};

// A value or an element's name as a message quotes it: a layout may hold a name of any length.
QString quoted(QStringView value)
{
    return QuotedValue::quote(value, u'"');
}

QString tag(QStringView element)
{
    return QuotedValue::quote(element, u"<", u">");
}

class Reader
{
public:
    Reader(const QByteArray &text, const QString &path)
        : m_xml(text), m_path(path), m_images(QFileInfo(path).absoluteDir())
    {
    }

    LayoutProject project();
    void endOfDocument();

private:
    [[noreturn]] void fail(const QString &what) const;
    bool nextElement();
    void endEmptyElement();
    void checkAttributes(const QStringList &allowed) const;
    QString required(const QString &name) const;
    QString uniqueName(QSet<QString> &seen, const QString &what);

    LayoutFont style(LayoutFont inherited) const;
    double number(const QString &name, double fallback, double minimum, double maximum) const;
    double length(const QString &name) const;
    QPointF point(const QString &xName, const QString &yName) const;
    QRectF rect() const;

    LayoutReport report(const LayoutFont &inherited);
    LayoutPage page(const LayoutFont &inherited);
    QSizeF paper() const;
    LayoutPart part(const LayoutFont &inherited);
    void readPartDetails(LayoutPart &part);

    QXmlStreamReader m_xml;
    QString m_path;
    LayoutImages m_images;
    double m_unit = 1; // millimetres per unit of the current page
};

void Reader::fail(const QString &what) const
{
    // Ends with a full stop also when the cause ends with a quoted name.
    const QString cause = what.endsWith(u'.') ? what : what + u'.';
    throw QuillError(ReportTr::tr("The reporting project \"%1\" is damaged in line %2: %3")
                         .arg(m_path, Translations::number(m_xml.lineNumber()), cause));
}

// The next child element; false at the end of the current one. A syntax error fails.
bool Reader::nextElement()
{
    const bool found = m_xml.readNextStartElement();
    if (m_xml.hasError())
        fail(m_xml.errorString());
    return found;
}

void Reader::endEmptyElement()
{
    const QString element = tag(m_xml.name());
    if (nextElement())
        fail(ReportTr::tr("%1 may not hold %2").arg(element, tag(m_xml.name())));
}

void Reader::checkAttributes(const QStringList &allowed) const
{
    for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
        const QString name = attribute.name().toString();
        if (!allowed.contains(name) && !styleAttributes.contains(name))
            fail(ReportTr::tr("%1 has no attribute %2")
                     .arg(tag(m_xml.name()), QuotedValue::quote(name, u'"')));
    }
}

QString Reader::required(const QString &name) const
{
    if (!m_xml.attributes().hasAttribute(name))
        fail(ReportTr::tr("%1 needs the attribute \"%2\"").arg(tag(m_xml.name()), name));
    return m_xml.attributes().value(name).toString();
}

QString Reader::uniqueName(QSet<QString> &seen, const QString &what)
{
    const QString name = required(u"name"_s);
    if (name.isEmpty() || name.contains(u'.'))
        fail(ReportTr::tr("the %1 name %2 must not be empty or hold a \".\"")
                 .arg(what, quoted(name)));
    if (!LayoutValues::insertName(seen, name))
        fail(ReportTr::tr("there is a second %1 named %2").arg(what, quoted(name)));
    return name;
}

LayoutFont Reader::style(LayoutFont font) const
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    const auto value = [&attributes](const QString &name) {
        return attributes.value(name).toString();
    };
    if (attributes.hasAttribute(u"font"_s))
        font.family = value(u"font"_s);
    font.size = number(u"size"_s, font.size, 1, 500);
    QString error;
    if (attributes.hasAttribute(u"weight"_s))
        font.bold = LayoutValues::weight(value(u"weight"_s), error);
    if (attributes.hasAttribute(u"italic"_s))
        font.italic = LayoutValues::yesNo(value(u"italic"_s), error);
    if (attributes.hasAttribute(u"color"_s))
        font.colour = LayoutValues::colour(value(u"color"_s), error);
    if (attributes.hasAttribute(u"align"_s))
        font.alignment = LayoutValues::horizontal(value(u"align"_s), error) |
                         (font.alignment & Qt::AlignVertical_Mask);
    if (attributes.hasAttribute(u"valign"_s))
        font.alignment = LayoutValues::vertical(value(u"valign"_s), error) |
                         (font.alignment & Qt::AlignHorizontal_Mask);
    if (!error.isEmpty())
        fail(error);
    return font;
}

double Reader::number(const QString &name, double fallback, double minimum, double maximum) const
{
    if (!m_xml.attributes().hasAttribute(name))
        return fallback;
    const QString text = m_xml.attributes().value(name).toString();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !(value >= minimum && value <= maximum)) // also refuses "nan"
        fail(ReportTr::tr("%1 is no valid value for \"%2\" (a number from %3 to %4)")
                 .arg(quoted(text), name, Translations::decimal(minimum),
                      Translations::decimal(maximum)));
    return value;
}

double Reader::length(const QString &name) const
{
    required(name);
    return number(name, 0, 0, 10000) * m_unit;
}

QPointF Reader::point(const QString &xName, const QString &yName) const
{
    const double x = length(xName);
    return QPointF(x, length(yName));
}

QRectF Reader::rect() const
{
    // One after the other, so that the first one missing is the one reported.
    const double x = length(u"x"_s);
    const double y = length(u"y"_s);
    const double width = length(u"width"_s);
    return QRectF(x, y, width, length(u"height"_s));
}

LayoutProject Reader::project()
{
    if (!nextElement() || m_xml.name() != u"project"_s)
        fail(ReportTr::tr("a report layout starts with <project>"));
    checkAttributes({u"version"_s});
    const LayoutFont font = style(LayoutFont());
    LayoutProject project;
    project.fileName = m_path;
    QSet<QString> names;
    while (nextElement()) {
        if (m_xml.name() != u"report"_s)
            fail(ReportTr::tr("<project> may hold only <report>, not %1").arg(tag(m_xml.name())));
        const QString name = uniqueName(names, u"report"_s);
        project.reports.append(report(font));
        project.reports.last().name = name;
    }
    return project;
}

// Reads on to the end: a well-formed file holds only comments, processing instructions and
// blanks after the end of its root element, and the reader raises an error for anything else.
void Reader::endOfDocument()
{
    while (!m_xml.atEnd())
        m_xml.readNext();
    if (m_xml.hasError())
        fail(m_xml.errorString());
}

LayoutReport Reader::report(const LayoutFont &inherited)
{
    checkAttributes({u"name"_s});
    const LayoutFont font = style(inherited);
    LayoutReport report;
    QSet<QString> names;
    while (nextElement()) {
        if (m_xml.name() != u"page"_s)
            fail(ReportTr::tr("<report> may hold only <page>, not %1").arg(tag(m_xml.name())));
        const QString name = uniqueName(names, u"page"_s);
        report.pages.append(page(font));
        report.pages.last().name = name;
    }
    if (report.pages.isEmpty())
        fail(ReportTr::tr("a report needs at least one page"));
    return report;
}

QSizeF Reader::paper() const
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    QSizeF size;
    if (attributes.hasAttribute(u"paper"_s)) {
        size = LayoutValues::paperSize(attributes.value(u"paper"_s).toString());
        if (size.isEmpty())
            fail(ReportTr::tr("unknown paper %1").arg(quoted(attributes.value(u"paper"_s))));
    } else if (attributes.hasAttribute(u"width"_s) || attributes.hasAttribute(u"height"_s)) {
        size.setWidth(length(u"width"_s));
        size.setHeight(length(u"height"_s));
        if (size.isEmpty())
            fail(ReportTr::tr("a page needs a width and a height above 0"));
    } else {
        size = LayoutValues::paperSize(u"A4"_s);
    }
    if (size.width() > maximumPaper || size.height() > maximumPaper)
        fail(ReportTr::tr("a page may be at most %1 mm wide and high")
                 .arg(Translations::decimal(maximumPaper)));
    const QString orientation = attributes.value(u"orientation"_s).toString();
    if (orientation == u"landscape"_s)
        size.transpose();
    else if (!orientation.isEmpty() && orientation != u"portrait"_s)
        fail(ReportTr::tr("orientation is \"portrait\" or \"landscape\", not %1")
                 .arg(quoted(orientation)));
    return size;
}

LayoutPage Reader::page(const LayoutFont &inherited)
{
    checkAttributes({u"name"_s, u"paper"_s, u"orientation"_s, u"width"_s, u"height"_s, u"unit"_s});
    m_unit = LayoutValues::millimetresPer(m_xml.attributes().value(u"unit"_s).toString());
    if (m_unit <= 0)
        fail(ReportTr::tr("unknown unit %1").arg(quoted(m_xml.attributes().value(u"unit"_s))));
    LayoutPage page;
    page.paper = paper();
    const LayoutFont font = style(inherited);
    QSet<QString> names;
    while (nextElement()) {
        LayoutPart next = part(font);
        if (!next.name.isEmpty() && !LayoutValues::insertName(names, next.name))
            fail(ReportTr::tr("there is a second component named %1").arg(quoted(next.name)));
        page.parts.append(next);
    }
    return page;
}

LayoutPart Reader::part(const LayoutFont &inherited)
{
    const std::optional<PartKind> kind = LayoutValues::partKind(m_xml.name().toString());
    if (!kind)
        fail(ReportTr::tr("unknown component %1").arg(tag(m_xml.name())));
    LayoutPart part;
    part.kind = *kind;
    LayoutFont font = inherited;
    if (part.kind == PartKind::Memo)
        font.alignment = (font.alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    part.font = style(font);
    readPartDetails(part);
    endEmptyElement();
    return part;
}

void Reader::readPartDetails(LayoutPart &part)
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    part.name = attributes.value(u"name"_s).toString();
    QString error;
    switch (part.kind) {
    case PartKind::Text:
    case PartKind::Memo:
    case PartKind::Label:
        checkAttributes(boxAttributes + QStringList{u"text"_s, u"overflow"_s});
        if (part.kind != PartKind::Label && part.name.isEmpty())
            fail(ReportTr::tr("a text or memo field needs a name"));
        part.rect = rect();
        part.text = attributes.value(u"text"_s).toString();
        part.overflow =
            LayoutValues::overflow(attributes.value(u"overflow"_s).toString(), part.kind, error);
        break;
    case PartKind::Line:
        checkAttributes({u"name"_s, u"x1"_s, u"y1"_s, u"x2"_s, u"y2"_s, u"line-width"_s});
        part.line.setP1(point(u"x1"_s, u"y1"_s));
        part.line.setP2(point(u"x2"_s, u"y2"_s));
        part.lineWidth = number(u"line-width"_s, part.lineWidth / m_unit, 0, 100) * m_unit;
        break;
    case PartKind::Box:
        checkAttributes(boxAttributes + QStringList{u"line-width"_s, u"fill"_s, u"radius"_s});
        part.rect = rect();
        part.lineWidth = number(u"line-width"_s, part.lineWidth / m_unit, 0, 100) * m_unit;
        part.radius = number(u"radius"_s, 0, 0, 1000) * m_unit;
        if (attributes.hasAttribute(u"fill"_s))
            part.fill = LayoutValues::colour(attributes.value(u"fill"_s).toString(), error);
        break;
    case PartKind::Image:
        checkAttributes(boxAttributes + QStringList{u"source"_s});
        part.rect = rect();
        part.image = m_images.image(required(u"source"_s), error);
        break;
    }
    if (!error.isEmpty())
        fail(error);
}

} // namespace

QString missingProjectMessage(const QString &path)
{
    return ReportTr::tr("The following reporting project does not exist:\r\"%1\"").arg(path);
}

LayoutProject read(const QString &path)
{
    // A name that is not UTF-8 is refused by the reader, as not found would mislead.
    if (!QFileInfo::exists(path) && !path.contains(QChar::ReplacementCharacter))
        throw QuillError(missingProjectMessage(path));
    const OutsideFile::Result file = OutsideFile::read(path, OutsideFile::layoutFile);
    if (!file.ok())
        throw QuillError(ReportTr::tr("The reporting project \"%1\" cannot be read: %2")
                             .arg(path, file.reason()));
    Reader reader(file.bytes, path);
    LayoutProject project = reader.project();
    reader.endOfDocument();
    return project;
}

} // namespace LayoutReader
