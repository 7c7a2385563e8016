#include "shell/widgets/Artwork.h"

#include <QImageReader>

namespace Artwork {

QImage readPng(const QString &path)
{
    // Named as PNG, the reader takes Qt's own PNG reader at once; left to find the format
    // itself, it loads every image format plugin installed to ask each of them first.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace Artwork
