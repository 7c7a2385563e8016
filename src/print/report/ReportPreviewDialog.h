#pragma once

#include <QDialog>

struct LayoutReport;
class QHBoxLayout;
class QPrintPreviewWidget;
class QPrinter;

// "Report Preview": every page of the report at 100 per cent, with buttons that page through
// them and one that sends them to the printer (the dialog then ends with printRequested() true).
// Cancelling the pages' making in "Report Status" closes it.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ReportPreviewDialog(const LayoutReport &report, QPrinter &printer, QWidget *parent);

    bool printRequested() const { return m_printRequested && !m_cancelled; }
    bool cancelled() const { return m_cancelled; }
    // The error met while drawing the pages, if any.
    const QString &error() const { return m_error; }

private:
    QHBoxLayout *pager(QPrintPreviewWidget *preview);

    QString m_error;
    bool m_cancelled = false;
    bool m_printRequested = false;
};
