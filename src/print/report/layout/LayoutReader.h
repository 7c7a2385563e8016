#pragma once

#include "print/report/layout/ReportLayout.h"

// Reads a report layout file (the format is described in docs/layout-format.md). Raises
// QuillError when the file does not exist, cannot be read, or is damaged; the message names the
// file and, for a damaged file, the line.
namespace LayoutReader {

LayoutProject read(const QString &path);

QString missingProjectMessage(const QString &path);

} // namespace LayoutReader
