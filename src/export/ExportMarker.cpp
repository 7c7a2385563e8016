#include "export/ExportMarker.h"

#include <QCryptographicHash>
#include <QList>
#include <QString>

using namespace Qt::StringLiterals;

namespace ExportMarker {
namespace {

QByteArray markerOf(Kind kind, QByteArrayView before)
{
    const QByteArray size = QByteArray::number(before.size());
    const QByteArray hash = QCryptographicHash::hash(before, QCryptographicHash::Sha256).toHex();
    if (kind == Kind::Markdown)
        return "<!-- Quillmark character export: Markdown, version 2, " + size +
               " bytes, SHA-256 " + hash + " -->";
    return "Quillmark character export: plain text, version 2, " + size + " bytes, SHA-256 " + hash;
}

QByteArrayView firstVersionMarker(Kind kind)
{
    return kind == Kind::Markdown ? "<!-- Quillmark character export: Markdown, version 1 -->"
                                  : "Quillmark character export: plain text, version 1";
}

// The lines, without their LF or CR LF.
QList<QByteArrayView> linesOf(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    while (!bytes.isEmpty()) {
        qsizetype end = bytes.indexOf('\n');
        QByteArrayView line = bytes.first(end < 0 ? bytes.size() : end);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        bytes = end < 0 ? QByteArrayView() : bytes.sliced(end + 1);
    }
    return lines;
}

// A version-1 Markdown export: its title first and no other, then only list rows, table rows,
// section headings and empty lines.
bool isMarkdownForm(const QList<QByteArrayView> &lines)
{
    if (lines.isEmpty() || !lines.constFirst().startsWith("# "))
        return false;
    for (QByteArrayView line : QList<QByteArrayView>(lines).sliced(1))
        if (!line.isEmpty() && !line.startsWith("- ") && !line.startsWith("| ") &&
            !line.startsWith("## "))
            return false;
    return true;
}

bool isRule(QByteArrayView rule, QByteArrayView over, char mark)
{
    const qsizetype length = std::max<qsizetype>(QString::fromUtf8(over).size(), 1);
    return rule.size() == length && rule.count(mark) == length;
}

// A version-1 plain text export: its title underlined with "=", then its three blocks of values
// (three, four and four lines) between empty lines, then sections, each an empty line, a heading
// underlined with "-" and its items, and an empty line last.
bool isTextForm(const QList<QByteArrayView> &lines)
{
    constexpr int values = 16;
    if (lines.size() < values + 1 || !isRule(lines.at(1), lines.at(0), '=') ||
        !lines.constLast().isEmpty())
        return false;
    for (int i = 2; i < values; ++i)
        if (lines.at(i).isEmpty() != (i == 2 || i == 6 || i == 11))
            return false;
    if (lines.size() == values + 1)
        return true;
    return lines.size() > values + 3 && lines.at(values).isEmpty() &&
           isRule(lines.at(values + 2), lines.at(values + 1), '-');
}

} // namespace

QByteArray sealed(Kind kind, QByteArray body)
{
    body += '\n';
    body += markerOf(kind, body);
    return body += '\n';
}

bool isSealed(Kind kind, QByteArrayView bytes)
{
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    const qsizetype start = bytes.lastIndexOf('\n') + 1;
    const QByteArrayView last = bytes.sliced(start);
    const QByteArrayView before = bytes.first(start);
    if (last == markerOf(kind, before))
        return true;
    if (last != firstVersionMarker(kind))
        return false;
    const QList<QByteArrayView> lines = linesOf(before);
    return kind == Kind::Markdown ? isMarkdownForm(lines) : isTextForm(lines);
}

} // namespace ExportMarker
