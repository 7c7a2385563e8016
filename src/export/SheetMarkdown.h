#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class CharacterSheet;

// The character as Markdown (CommonMark with pipe tables), for chats, forums and wikis: the name
// as a heading, the type and allegiance, a table of the realms, the totals, then a section for
// each list that has items. UTF-8, LF line ends; the last line is the export's marker.
namespace SheetMarkdown {

QByteArray write(const CharacterSheet &sheet);

// Where a text stands: after other text on its line, or where a list item's content starts, in
// which a leading "-", "+", ">", "=" or "1." would begin a block of its own.
enum class Place
{
    Inline,
    LineStart
};

// Text as typed, shown as typed: what Markdown would take as markup is escaped with "\", and
// blanks at either end are kept as character references, since Markdown drops them.
QString escaped(const QString &text, Place place = Place::Inline);

// The last line is the marker.
bool isExport(QByteArrayView bytes);

} // namespace SheetMarkdown
