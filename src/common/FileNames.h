#pragma once

#include <QString>

// Names the program offers for the files it writes, made from a character's name.
namespace FileNames {

// The longest name of one file that Linux file systems take, in bytes of the names' encoding.
inline constexpr qsizetype maximumBytes = 255;

// `base` followed by `extension` (".qmc", ".pdf" ...) as one file's name: a folder separator in
// `base` becomes "-", a NUL is dropped, blanks around it and leading dots go, and an empty result
// becomes "Character" in the player's language. The name is cut to fit maximumBytes, never inside a
// character, and keeps its extension.
QString offered(const QString &base, const QString &extension);

// `name` ending in `extension`: appended unless the name already ends in it.
QString withExtension(const QString &name, const QString &extension);

} // namespace FileNames
