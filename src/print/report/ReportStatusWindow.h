#pragma once

#include "print/report/ReportPrinting.h"

#include <QProgressDialog>

// "Report Status": the page a running report has come to, out of how many, with a Cancel button.
// It shows itself only once the run looks like taking more than half a second; while it shows it
// is modal, so the user can cancel the run but start nothing else meanwhile.
class ReportStatusWindow : public QProgressDialog
{
    Q_OBJECT

public:
    explicit ReportStatusWindow(QWidget *parent);

    // False once the user has cancelled the run.
    bool showStatus(const QString &text, int page, int pages);
};

// A run's status, shown in `window`.
ReportPrinting::StatusReport statusIn(ReportStatusWindow &window);
