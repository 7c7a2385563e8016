#pragma once

#include "print/report/windows/PreviewPages.h"

#include <QDialog>

struct LayoutReport;
class QHBoxLayout;
class QPrinter;
class ReportPageView;

// "Report Preview": the report's pages at 100 per cent, one at a time, with buttons that page
// through them and one that sends them to the printer (the dialog then ends with
// printRequested() true). A page is drawn only when it is shown.
class ReportPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    ReportPreviewDialog(PreviewPages pages, QWidget *parent);

    bool printRequested() const { return m_printRequested; }

private:
    QHBoxLayout *pager(ReportPageView *view);

    PreviewPages m_pages;
    bool m_printRequested = false;
};
