#pragma once

#include <QDialog>

class QLabel;

// "Report Status": shows how far a running report has come. It is shown, not modal; while it
// updates, only painting is processed, so nothing else can start meanwhile.
class ReportStatusWindow : public QDialog
{
    Q_OBJECT

public:
    explicit ReportStatusWindow(QWidget *parent);

    void showStatus(const QString &text);

private:
    QLabel *m_label;
};
