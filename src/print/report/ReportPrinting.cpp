#include "print/report/ReportPrinting.h"

#include "print/report/ReportLayout.h"
#include "print/report/ReportRenderer.h"
#include "sheet/QuillError.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace ReportPrinting {

namespace {

QPageLayout pageLayout(const LayoutPage &page)
{
    const bool landscape = page.paper.width() > page.paper.height();
    const QSizeF portrait = landscape ? page.paper.transposed() : page.paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace

void print(QPagedPaintDevice &device, const LayoutReport &report, const QString &what,
           const StatusReport &status)
{
    if (report.pages.isEmpty())
        return;
    const auto tell = [&status](const QString &text, qsizetype page) {
        if (status)
            status(text.arg(page));
    };
    device.setPageLayout(pageLayout(report.pages.constFirst()));
    QPainter painter;
    if (!painter.begin(&device))
        throw QuillError(u"The report cannot be written to %1"_s.arg(what));
    for (qsizetype i = 0; i < report.pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(pageLayout(report.pages.at(i)));
            device.newPage();
        }
        tell(u"Generating page %1"_s, i + 1);
        ReportRenderer::renderPage(painter, report.pages.at(i));
        tell(u"Printing page %1"_s, i + 1);
    }
    if (!painter.end())
        throw QuillError(u"The report could not be finished on %1"_s.arg(what));
}

void writePdf(const LayoutReport &report, const QString &fileName, const StatusReport &status)
{
    // Written beside the target and put in its place only when complete, so that a failed
    // write never leaves a broken file where a good one was.
    if (report.pages.isEmpty())
        return;
    const QString what = u"the file \"%1\""_s.arg(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw QuillError(u"The report cannot be written to %1: %2"_s.arg(what, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromUtf16(jobTitle));
        writer.setCreator(u"Quillmark"_s);
        print(writer, report, what, status);
    }
    if (!file.flush() || file.error() != QFileDevice::NoError || !file.commit())
        throw QuillError(
            u"The report could not be finished on %1: %2"_s.arg(what, file.errorString()));
}

} // namespace ReportPrinting
