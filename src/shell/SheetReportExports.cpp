#include "shell/SheetReportExports.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "export/ExportTarget.h"
#include "export/SheetExports.h"
#include "export/SheetMarkdown.h"
#include "shell/Tr.h"

#include <QClipboard>
#include <QGuiApplication>

using SheetExports::Format;

namespace {

// In the order of fileTypes(), after the report's PDF.
constexpr Format typeFormats[] = {Format::Markdown, Format::Text, Format::Json};

} // namespace

QList<Prompter::FileType> SheetReportExports::fileTypes() const
{
    QList<Prompter::FileType> types;
    for (Format format : typeFormats)
        types.append(SheetExports::fileType(format));
    return types;
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

// Pasted among other text, a copy is no export file, so it carries no marker.
void SheetReportExports::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(SheetMarkdown::copy(m_sheet)));
    m_prompter.announce(ShellTr::tr("The character was copied to the clipboard as Markdown."));
}
