#pragma once

#include "print/report/output/ReportOutput.h"
#include "print/report/windows/ReportSetupDialog.h"

#include <QPointer>
#include <QString>
#include <memory>

class Prompter;
class QPrinter;
class ReportExports;
class QWidget;

// The ReportOutput of the window (its report system): runs a report the interactive way: "Report
// Setup" first, then the modal "Report Preview", the printer (with "Report Status") or a file
// whose name and type the user picks: a PDF, or one of the types the window's ReportExports
// offers, which also offers the clipboard. The printer is looked up only when it is first needed,
// since that can take a while.
class WindowReportOutput : public ReportOutput
{
public:
    WindowReportOutput(QWidget *parent, Prompter &prompter, ReportExports *exports = nullptr);
    ~WindowReportOutput() override;

    // The printed document's name, for the print dialog that Report Setup may open before the
    // report, which names it too, is loaded.
    void setDocumentName(const QString &name);

    // Report Setup and the file dialog, before any layout is loaded. True when the report itself
    // is to run (the preview, the printer, a PDF file); false when either was cancelled or the
    // character went to a file of another type or to the clipboard, which need no layout.
    bool chooseDestination();

    // Runs Report Setup first unless chooseDestination() already did.
    void run(const LayoutReport &report) override;

private:
    QPrinter &printer();
    std::optional<ReportSetupDialog::Choice> setupPrinter();
    void preview(const LayoutReport &report, const ReportSetupDialog::Choice &choice);
    void sendToPrinter(const LayoutReport &report, const ReportSetupDialog::Choice &choice);
    void saveToFile(const LayoutReport &report);
    bool chooseFile();

    QPointer<QWidget> m_parent;
    Prompter &m_prompter;
    ReportExports *m_exports;
    std::unique_ptr<QPrinter> m_printer;
    std::optional<ReportSetupDialog::Choice> m_choice;
    QString m_pdfName;
    QString m_documentName;
};
