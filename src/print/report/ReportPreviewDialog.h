#pragma once

#include <QDialog>

struct LayoutReport;
class QPrinter;

// "Report Preview": the report's pages at 100 per cent, with a button that sends them to the
// printer (the dialog then ends with printRequested() true).
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ReportPreviewDialog(const LayoutReport &report, QPrinter &printer, QWidget *parent);

    bool printRequested() const { return m_printRequested; }
    // The error met while drawing the pages, if any.
    const QString &error() const { return m_error; }

private:
    QString m_error;
    bool m_printRequested = false;
};
