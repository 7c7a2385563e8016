#include "shell/SheetReportExports.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "export/ExportTarget.h"
#include "export/SheetExports.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

using namespace Qt::StringLiterals;
using SheetExports::Format;

namespace {

// In the order of fileTypes(), after the report's PDF.
constexpr Format typeFormats[] = {Format::Markdown, Format::Text, Format::Json};

} // namespace

QStringList SheetReportExports::fileTypes() const
{
    return {QCoreApplication::translate("SheetReportExports", "Markdown (*.md)"),
            QCoreApplication::translate("SheetReportExports", "Plain text (*.txt)"),
            QCoreApplication::translate("SheetReportExports", "JSON (*.json)")};
}

void SheetReportExports::writeFile(int type, const QString &name)
{
    const Format format = typeFormats[qBound(0, type, int(std::size(typeFormats)) - 1)];
    const QByteArray bytes = SheetExports::write(format, m_sheet);
    if (const QString refusal = ExportTarget::keptRefusal(name, m_kept); !refusal.isEmpty())
        throw QuillError(refusal);
    ExportTarget::write(name, bytes, ExportTarget::windowExport);
    m_prompter.announceSaved(name);
}

void SheetReportExports::copyToClipboard()
{
    const QByteArray markdown = SheetExports::write(Format::Markdown, m_sheet);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(markdown));
    m_prompter.announce(QCoreApplication::translate(
        "SheetReportExports", "The character was copied to the clipboard as Markdown."));
}
