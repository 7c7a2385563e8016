#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Which existing file a write may replace. Every writer of the program names its rule; the writer
// of outside files (OutsideWrite.h) judges the file under the target's name by it when the write
// starts and again just before the new file takes its place. A new rule is a recogniser over a
// bounded look at the existing file:
//
//     bool isMyExport(const OutsideFile::Look &look) { return look.tail.endsWith("marker\n"); }
//     const OutsideFile::ReplaceRule myExport{
//         QT_TRANSLATE_NOOP("Quillmark::Common", "an earlier export"), 0, isMyExport};
namespace OutsideFile {

// What the writer reads of an existing regular file before it replaces it.
struct Look
{
    QByteArray head; // its first bytes: as many as the rule's headBytes, or the whole file
    QByteArray tail; // its last tailBytes bytes, or the whole file when it is shorter
    qint64 size = 0;

    bool whole() const { return head.size() == size; }
};

inline constexpr qint64 tailBytes = 1024;

struct ReplaceRule
{
    // What the file must be, for the refusal "it exists and is not a PDF".
    const char *what; // in English; translated where it is shown
    // How much of the file's start the recogniser looks at.
    qint64 headBytes;
    // True when the file may be replaced.
    bool (*recognises)(const Look &look);
    // A file the character reader opens without an error is replaced only under a rule that says
    // so: Save's.
    bool replacesCharacterFiles = false;
};

// Whether the writer, looking at a file that holds `bytes`, would replace it under the rule.
bool recognises(const ReplaceRule &rule, QByteArrayView bytes);

// The program's own files, each known one way. A report layout: its first element is <project>,
// as the layout reader asks. A settings file: at most a settings file's size, read whole, and
// nothing but sections, "key=value" lines, comments and blank lines, with "[Character Types]" or
// "[Resource Types]" among them (or empty).
bool isLayout(const Look &look);
bool isSettingsFile(const Look &look);

// File > Save: whatever regular file the player chose (the window asks first).
extern const ReplaceRule characterSave;

// A PDF: its first line starts with "%PDF-" and "%%EOF" stands within its last 1,024 bytes.
extern const ReplaceRule earlierPdf;

} // namespace OutsideFile
