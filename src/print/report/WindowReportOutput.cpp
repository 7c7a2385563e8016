#include "print/report/WindowReportOutput.h"

#include "common/Prompter.h"
#include "common/QuillError.h"
#include "print/report/ReportLayout.h"
#include "print/report/ReportPreviewDialog.h"
#include "print/report/ReportPrinting.h"
#include "print/report/ReportSetupDialog.h"
#include "print/report/ReportStatusWindow.h"

#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(WindowReportOutput)
};

} // namespace

WindowReportOutput::WindowReportOutput(QWidget *parent, Prompter &prompter)
    : m_parent(parent), m_prompter(prompter)
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

void WindowReportOutput::run(const LayoutReport &report)
{
    // Named before the print dialog shows, since its "Print to File" offers the name; the
    // printer itself is still looked up only when it is needed.
    m_documentName = ReportPrinting::documentName(report);
    if (m_printer)
        m_printer->setDocName(m_documentName);
    ReportSetupDialog setup([this] { return setupPrinter(); }, m_parent);
    if (setup.exec() != QDialog::Accepted)
        return;
    m_choice = setup.choice();
    switch (m_choice.destination) {
    case ReportSetupDialog::Destination::Preview:
        preview(report);
        break;
    case ReportSetupDialog::Destination::Printer:
        sendToPrinter(report);
        break;
    case ReportSetupDialog::Destination::File:
        saveToFile(report);
        break;
    }
}

void WindowReportOutput::preview(const LayoutReport &report)
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
        sendToPrinter(report);
}

void WindowReportOutput::sendToPrinter(const LayoutReport &report)
{
    if (printer().printerName().isEmpty() && printer().outputFileName().isEmpty())
        throw QuillError(
            Text::tr("There is no printer to print on; choose one under \"Printer setup\" "
                     "or send the report to a PDF file"));
    printer().setCopyCount(m_choice.copies);
    printer().setCollateCopies(m_choice.collate);
    printer().setDuplex(m_choice.duplex);
    ReportStatusWindow status(m_parent);
    if (!printer().outputFileName().isEmpty())
        ReportPrinting::printToFile(printer(), report, statusIn(status));
    else
        ReportPrinting::print(printer(), report,
                              Text::tr("the printer \"%1\"").arg(printer().printerName()),
                              statusIn(status), true);
}

void WindowReportOutput::saveToFile(const LayoutReport &report)
{
    const QString fileName = m_prompter.pdfFileName();
    if (fileName.isEmpty())
        return;
    ReportStatusWindow status(m_parent);
    ReportPrinting::writePdf(report, fileName, statusIn(status));
}
