// The character file reader on any bytes: it either raises the conversion error for the type line
// or gives a character that the writer writes and the reader reads back unchanged.
#include "common/QuillError.h"
#include "files/CharacterFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CharacterFile file;
    try {
        file = CharacterFileFormat::decode(
            QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const QuillError &) {
        return 0;
    }
    // A name that starts with a zero-width no-break space is written as a byte-order mark.
    if (file.text(SheetValue::CharacterName).startsWith(QChar(0xfeff)))
        return 0;
    file.complete = true;
    if (CharacterFileFormat::decode(CharacterFileFormat::encode(file)) != file)
        __builtin_trap();
    return 0;
}
