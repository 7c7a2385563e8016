// Renders an SVG image into a PNG of the given size: SIZE for a square, WIDTHxHEIGHT for any
// other shape (the drawing is then stretched to fill it). The program's icons and pictures are
// rendered with it at build time, so that the program reads no SVG while it starts.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// SIZE or WIDTHxHEIGHT; an empty size for anything else.
QSize parseSize(const QString &text)
{
    const QStringList sides = text.split(u'x');
    bool widthOk = false;
    bool heightOk = false;
    const QSize size(sides.first().toInt(&widthOk), sides.last().toInt(&heightOk));
    const bool inRange =
        size.width() > 0 && size.height() > 0 && size.width() <= 4096 && size.height() <= 4096;
    return sides.size() <= 2 && widthOk && heightOk && inRange ? size : QSize();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QSize size = args.size() == 4 ? parseSize(args.at(3)) : QSize();
    if (size.isEmpty()) {
        std::fputs("usage: svg2png INPUT.svg OUTPUT.png SIZE|WIDTHxHEIGHT (sides 1 to 4096)\n",
                   stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    svg.setAspectRatioMode(size.width() == size.height() ? Qt::KeepAspectRatio
                                                         : Qt::IgnoreAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    if (!image.save(args.at(2), "PNG")) {
        std::fprintf(stderr, "svg2png: cannot write %s\n", qPrintable(args.at(2)));
        return 1;
    }
    return 0;
}
