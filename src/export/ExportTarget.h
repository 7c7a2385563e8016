#pragma once

#include "common/ReplaceRule.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// What an export may replace, judged by the writer of outside files when the write starts and
// again just before the new file takes its place. An export is written for reading elsewhere, so
// it never takes the place of a file the program itself reads: a character file (the writer keeps
// those for Save), the layout, the settings file. From the command line, where nothing is asked,
// only an earlier export of the same format is replaced (SheetExports::earlierExport).
namespace ExportTarget {

// From the window, where the file dialog has asked: any regular file but a character file, a
// report layout or a settings file.
extern const OutsideFile::ReplaceRule windowExport;

// Why the window must not replace `name` although the rule would: it is one of `kept`, the layout
// and the settings file in use, also when empty. Empty when it may.
QString keptRefusal(const QString &name, const QStringList &kept);

// Writes the export; raises QuillError naming the file and why when it was not written.
void write(const QString &name, QByteArrayView bytes, const OutsideFile::ReplaceRule &rule);

} // namespace ExportTarget
