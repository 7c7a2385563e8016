#pragma once

#include <QImage>
#include <QString>

// The program's own pictures, built into it as PNG files.
namespace Artwork {

// An image of the resources, rendered to PNG at build time; a null image when it is missing.
QImage readPng(const QString &path);

} // namespace Artwork
