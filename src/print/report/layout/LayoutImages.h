#pragma once

#include <QDir>
#include <QHash>
#include <QImage>

// The images of one report layout. Each file is decoded once, however many components show it,
// and they share its pixels; all of a layout's images together are bounded too, so that a layout
// of many large pictures is refused rather than filling the memory.
class LayoutImages
{
public:
    // An image may be enough for a full page at 600 dots per inch, a layout's images together for
    // two such pages.
    static constexpr qint64 maximumImagePixels = 40'000'000;
    static constexpr qint64 maximumPixels = 80'000'000;

    explicit LayoutImages(const QDir &folder) : m_folder(folder) {}

    // The image file `source`, which must lie in the layout's own folder, read as any outside
    // file is (see OutsideFile). A file that cannot be read or would go over a limit writes why
    // into `error` and gives a null image.
    QImage image(const QString &source, QString &error);

private:
    QImage decode(const QString &path, QString &error) const;
    bool withinTotal(const QString &path, qint64 pixels, QString &error) const;

    QDir m_folder;
    QHash<QString, QImage> m_decoded;
    qint64 m_pixels = 0;
};
