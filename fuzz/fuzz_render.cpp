// A layout file of any content, loaded and then drawn page by page: whatever the loader accepts,
// the renderer must draw without crashing, hanging or running out of memory. The pages are
// drawn onto a small picture of low resolution so that each run stays quick.
#include "common/QuillError.h"
#include "print/report/layout/LayoutReader.h"
#include "print/report/pages/ReportRenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

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

// The font library keeps its caches for the life of the process, as the test suite's leak
// suppressions also say.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = folder().filePath(u"sheet.rav"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    LayoutProject project;
    try {
        project = LayoutReader::read(path);
    } catch (const QuillError &) {
        return 0;
    }
    // About 12 dots per inch: an A4 page is some 100 by 140 dots.
    QImage page(160, 160, QImage::Format_ARGB32_Premultiplied);
    page.setDotsPerMeterX(472);
    page.setDotsPerMeterY(472);
    for (const LayoutReport &report : project.reports) {
        for (const LayoutPage &layoutPage : report.pages) {
            page.fill(Qt::white);
            QPainter painter(&page);
            ReportRenderer::renderPage(painter, layoutPage);
        }
    }
    return 0;
}
