#include "print/report/windows/WindowReportOutput.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "common/ReportExports.h"
#include "print/report/Tr.h"
#include "print/report/layout/ReportLayout.h"
#include "print/report/output/ReportPrinting.h"
#include "print/report/windows/ReportPreviewDialog.h"
#include "print/report/windows/ReportSetupDialog.h"
#include "print/report/windows/ReportStatusWindow.h"

#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

WindowReportOutput::WindowReportOutput(QWidget *parent, Prompter &prompter, ReportExports *exports)
    : m_parent(parent), m_prompter(prompter), m_exports(exports)
{
}

WindowReportOutput::~WindowReportOutput() = default;

QPrinter &WindowReportOutput::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(m_documentName);
        m_printer->setFullPage(true);
    }
    return *m_printer;
}

std::optional<ReportSetupDialog::Choice> WindowReportOutput::setupPrinter()
{
    QPrintDialog dialog(&printer(), m_parent);
    dialog.setObjectName(u"ReportPrintDialog"_s);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    ReportSetupDialog::Choice chosen;
    chosen.copies = printer().copyCount();
    chosen.collate = printer().collateCopies();
    chosen.duplex = printer().duplex();
    return chosen;
}

void WindowReportOutput::setDocumentName(const QString &name)
{
    m_documentName = name;
    if (m_printer)
        m_printer->setDocName(m_documentName);
}

bool WindowReportOutput::chooseDestination()
{
    ReportSetupDialog setup([this] { return setupPrinter(); }, m_exports != nullptr, m_parent);
    if (setup.exec() != QDialog::Accepted)
        return false;
    m_choice = setup.choice();
    switch (m_choice->destination) {
    case ReportSetupDialog::Destination::File:
        return chooseFile();
    case ReportSetupDialog::Destination::Clipboard:
        m_exports->copyToClipboard();
        return false;
    default:
        return true;
    }
}

// The type follows the dialog's filter: the first is the report's own PDF.
bool WindowReportOutput::chooseFile()
{
    const QList<Prompter::FileType> types =
        QList<Prompter::FileType>{{u"pdf"_s, ReportTr::tr("PDF documents (*.pdf)")}} +
        (m_exports ? m_exports->fileTypes() : QList<Prompter::FileType>());
    const Prompter::ReportFile file = m_prompter.reportFile(types);
    if (file.name.isEmpty())
        return false;
    if (file.type <= 0 || !m_exports) {
        m_pdfName = file.name;
        return true;
    }
    m_exports->writeFile(file.type - 1, file.name);
    return false;
}

void WindowReportOutput::run(const LayoutReport &report)
{
    // Named before the print dialog shows, since its "Print to File" offers the name; the
    // printer itself is still looked up only when it is needed.
    setDocumentName(ReportPrinting::documentName(report));
    if (!m_choice && !chooseDestination())
        return;
    const ReportSetupDialog::Choice choice = *m_choice;
    m_choice.reset();
    switch (choice.destination) {
    case ReportSetupDialog::Destination::Preview:
        preview(report, choice);
        break;
    case ReportSetupDialog::Destination::Printer:
        sendToPrinter(report, choice);
        break;
    case ReportSetupDialog::Destination::File:
        saveToFile(report);
        break;
    case ReportSetupDialog::Destination::Clipboard:
        break;
    }
}

void WindowReportOutput::preview(const LayoutReport &report,
                                 const ReportSetupDialog::Choice &choice)
{
    // Laid out for a printer of its own, so that showing it does not change the settings of the
    // one that prints; nothing is drawn on that printer.
    QPrinter screen(QPrinter::HighResolution);
    screen.setFullPage(true);
    std::optional<std::vector<PageFlow>> flows;
    {
        ReportStatusWindow status(m_parent);
        flows = ReportPrinting::layOut(report, screen, statusIn(status));
    }
    if (!flows)
        return;
    ReportPreviewDialog dialog(PreviewPages(std::move(*flows), screen), m_parent);
    dialog.exec();
    if (dialog.printRequested())
        sendToPrinter(report, choice);
}

void WindowReportOutput::sendToPrinter(const LayoutReport &report,
                                       const ReportSetupDialog::Choice &choice)
{
    if (printer().printerName().isEmpty() && printer().outputFileName().isEmpty())
        throw QuillError(
            ReportTr::tr("There is no printer to print on; choose one under \"Printer setup\" "
                         "or send the report to a PDF file"));
    printer().setCopyCount(choice.copies);
    printer().setCollateCopies(choice.collate);
    printer().setDuplex(choice.duplex);
    ReportStatusWindow status(m_parent);
    if (!printer().outputFileName().isEmpty()) {
        if (ReportPrinting::printToFile(printer(), report, statusIn(status)))
            m_prompter.announceSaved(printer().outputFileName());
    } else
        ReportPrinting::print(printer(), report,
                              ReportTr::tr("the printer \"%1\"").arg(printer().printerName()),
                              statusIn(status), true);
}

void WindowReportOutput::saveToFile(const LayoutReport &report)
{
    ReportStatusWindow status(m_parent);
    if (ReportPrinting::writePdf(report, m_pdfName, statusIn(status)))
        m_prompter.announceSaved(m_pdfName);
}
