#include "print/report/layout/LayoutImages.h"

#include "common/OutsideFile.h"
#include "common/QuotedValue.h"
#include "common/Translations.h"
#include "print/report/Tr.h"

#include <QBuffer>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

// No file in a folder has a longer name, so a longer source names no image.
constexpr qsizetype maximumNameLength = 255;

QString millions(qint64 pixels)
{
    return Translations::decimal(double(pixels) / 1e6, pixels % 1'000'000 ? 1 : 0);
}

} // namespace

QImage LayoutImages::image(const QString &source, QString &error)
{
    if (source.isEmpty() || source.contains(u'/') || source.contains(u'\\') ||
        source.startsWith(u'.') || source.size() > maximumNameLength) {
        error = ReportTr::tr("the image %1 must be a file name in the layout's own folder")
                    .arg(QuotedValue::quote(source, u'"'));
        return {};
    }
    const QString path = m_folder.filePath(source);
    if (const auto known = m_decoded.constFind(path); known != m_decoded.cend())
        return *known;
    const QImage image = decode(path, error);
    if (image.isNull())
        return {};
    // A format that does not tell its size before decoding is checked once decoded.
    const qint64 pixels = qint64(image.width()) * image.height();
    if (!withinTotal(path, pixels, error))
        return {};
    m_pixels += pixels;
    m_decoded.insert(path, image);
    return image;
}

QImage LayoutImages::decode(const QString &path, QString &error) const
{
    const OutsideFile::Result file = OutsideFile::read(path, OutsideFile::imageFile);
    if (!file.ok()) {
        error = ReportTr::tr("the image %1 cannot be read: %2")
                    .arg(u"\"%1\""_s.arg(path), file.reason());
        return {};
    }
    QBuffer buffer;
    buffer.setData(file.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // Qt's own limit of 128 MB would refuse, at 4 bytes a pixel, any image over 32 million pixels,
    // and one of 16 bits a channel, decoded at 8 bytes a pixel, over 16 million.
    const bool deep = QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel() > 32;
    reader.setAllocationLimit(int(maximumImagePixels * (deep ? 8 : 4) / (1 << 20)) + 1);
    const QSize size = reader.size();
    const qint64 pixels = size.isValid() ? qint64(size.width()) * size.height() : 0;
    if (pixels > maximumImagePixels) {
        error =
            ReportTr::tr("the image %1 is too large: %2 by %3 pixels, where an image may have at "
                         "most %4 million pixels")
                .arg(u"\"%1\""_s.arg(path), Translations::number(size.width()),
                     Translations::number(size.height()),
                     Translations::number(maximumImagePixels / 1'000'000));
        return {};
    }
    if (!withinTotal(path, pixels, error))
        return {};
    QImage image = file.ok() ? reader.read() : QImage();
    if (image.isNull())
        error = ReportTr::tr("the image %1 cannot be read").arg(u"\"%1\""_s.arg(path));
    else if (deep) // paper shows no more than 8 bits a channel; this halves what is kept
        image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return image;
}

bool LayoutImages::withinTotal(const QString &path, qint64 pixels, QString &error) const
{
    if (m_pixels + pixels <= maximumPixels)
        return true;
    error = ReportTr::tr("the image %1 is one too many: with it the layout's images would have %2 "
                         "million pixels, where all of them together may have at most %3 million")
                .arg(u"\"%1\""_s.arg(path), millions(m_pixels + pixels), millions(maximumPixels));
    return false;
}
