#pragma once

#include "common/Prompter.h"

#include <QList>
#include <QString>

// What Report Setup offers beside the report itself: the character in files of other types and
// on the clipboard. The window supplies it, so the report engine hands the character on without
// knowing it, and neither needs a layout file.
class ReportExports
{
public:
    virtual ~ReportExports() = default;

    // The file types beside PDF.
    virtual QList<Prompter::FileType> fileTypes() const = 0;
    // Writes the character as fileTypes()[type] into the file; raises QuillError when it fails.
    virtual void writeFile(int type, const QString &name) = 0;
    // Copies the character to the clipboard as Markdown and says so.
    virtual void copyToClipboard() = 0;
};
