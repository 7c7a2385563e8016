#pragma once

#include <QByteArrayView>

// Whether a file's last line, without its line end (LF or CR LF), is the given marker.
namespace LastLine {

bool is(QByteArrayView bytes, const char16_t *marker);

} // namespace LastLine
