// Renders an SVG image into a square PNG of the given size, for the icon theme's fixed sizes.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool sizeOk = false;
    const int size = args.size() == 4 ? args.at(3).toInt(&sizeOk) : 0;
    if (!sizeOk || size <= 0) {
        std::fputs("usage: svg2png INPUT.svg OUTPUT.png SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args.at(1));
    if (!svg.isValid()) {
        std::fprintf(stderr, "svg2png: cannot read %s\n", qPrintable(args.at(1)));
        return 1;
    }
    svg.setAspectRatioMode(Qt::KeepAspectRatio);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
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
