#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <optional>

// The text of an INI-style profile file: "[Section]" lines, each followed by "key=value" lines.
// Section and key names match without regard to ASCII letter case; blanks around names and values
// are ignored; lines starting with ";" or "#" are comments. The first matching section and the
// first matching key in it count. Works on bytes, so any content, however damaged, is safe.
namespace ProfileText {

// The value of the key in the section, or nothing when the section or key is missing.
std::optional<QByteArray> value(const QByteArray &content, QByteArrayView section,
                                QByteArrayView key);

// The content with the key set to the value: replaced where the key stands, added at the end of
// its section when missing, with the section added at the end when missing. Every other line
// stays byte for byte, line ends included.
QByteArray withValue(const QByteArray &content, QByteArrayView section, QByteArrayView key,
                     QByteArrayView value);

// True when every line is a section, a "key=value", a comment or blank, and, unless `sections` is
// empty or the content is, one of the sections named stands in it.
bool onlyProfileLines(const QByteArray &content, const QList<QByteArrayView> &sections);

} // namespace ProfileText
