#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class CharacterSheet;

// The character as Markdown, for chats, forums and wikis: the name as a heading, the type and
// allegiance, the realms, the totals, then a section for each list that has items. Only what
// plain CommonMark and GitHub's renderer read alike, so it shows the same under both. UTF-8, LF
// line ends; no control or direction character reaches it raw. The file's last line is the
// export's marker.
namespace SheetMarkdown {

QByteArray write(const CharacterSheet &sheet);
// The same without the marker, for the clipboard: pasted among other text, it is no export file.
QByteArray copy(const CharacterSheet &sheet);

// Where a text stands: after other text on its line, or where a list item's content starts, in
// which a leading "-", "+", ">", "=" or "1." would begin a block of its own.
enum class Place
{
    Inline,
    LineStart
};

// Text as typed, shown as typed: control and direction characters are written as escapes
// ("\x1b"), what Markdown would take as markup is escaped with "\\", and blanks at either end are
// kept as character references, since Markdown drops them.
QString escaped(const QString &typed, Place place = Place::Inline);

} // namespace SheetMarkdown
