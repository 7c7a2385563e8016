// The layout file loader on any bytes: it either gives a layout or raises QuillError with a
// message naming the file; it never crashes, hangs or reads outside the layout's folder.
#include "common/QuillError.h"
#include "print/report/layout/LayoutReader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// One folder for the whole run, holding a small picture so that <image> can succeed too.
const QTemporaryDir &folder()
{
    static const QTemporaryDir dir;
    static const bool pictureSaved = [] {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::darkBlue);
        return picture.save(dir.filePath(u"logo.png"_s));
    }();
    if (!dir.isValid() || !pictureSaved)
        __builtin_trap();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder().filePath(u"sheet.rav"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    try {
        const LayoutProject project = LayoutReader::read(path);
        if (project.fileName != path)
            __builtin_trap();
    } catch (const QuillError &error) {
        if (!error.message().contains(path))
            __builtin_trap();
    }
    return 0;
}
