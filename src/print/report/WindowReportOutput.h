#pragma once

#include "print/report/ReportOutput.h"
#include "print/report/ReportSetupDialog.h"

#include <QPointer>
#include <QString>
#include <memory>

class Prompter;
class QPrinter;
class QWidget;

// The ReportOutput of the window (its report system): runs a report the interactive way: "Report
// Setup" first, then the modal "Report Preview", the printer (with "Report Status") or a PDF file
// whose name the user picks. The printer is looked up only when it is first needed, since that can
// take a while.
class WindowReportOutput : public ReportOutput
{
public:
    WindowReportOutput(QWidget *parent, Prompter &prompter);
    ~WindowReportOutput() override;

    void run(const LayoutReport &report) override;

private:
    QPrinter &printer();
    std::optional<ReportSetupDialog::Choice> setupPrinter();
    void preview(const LayoutReport &report);
    void sendToPrinter(const LayoutReport &report);
    void saveToFile(const LayoutReport &report);

    QPointer<QWidget> m_parent;
    Prompter &m_prompter;
    std::unique_ptr<QPrinter> m_printer;
    ReportSetupDialog::Choice m_choice;
    QString m_documentName;
};
