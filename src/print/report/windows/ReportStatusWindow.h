#pragma once

#include "print/report/output/ReportPrinting.h"

#include <QProgressDialog>

// "Report Status": the page a running report has come to, out of how many, with a Cancel button.
// It shows itself only once the run has gone on for a while (so that a short run does not flash
// a window) and then within half a second; while it shows it is modal, so the user can cancel the
// run but start nothing else meanwhile.
class ReportStatusWindow : public QProgressDialog
{
    Q_OBJECT

public:
    explicit ReportStatusWindow(QWidget *parent);

    // False once the user has cancelled the run. `pages` is 0 while the count is not known.
    bool showStatus(const QString &text, int page, int pages);

    // How long a run goes before the windows made from now on show; 400 ms unless set. The
    // window tests set 0 to see every page. Returns the time it replaces.
    static int setShowAfter(int milliseconds);
};

// A run's status, shown in `window`.
ReportPrinting::StatusReport statusIn(ReportStatusWindow &window);
