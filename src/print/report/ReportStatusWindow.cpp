#include "print/report/ReportStatusWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

ReportStatusWindow::ReportStatusWindow(QWidget *parent) : QDialog(parent), m_label(new QLabel(this))
{
    setObjectName(u"ReportStatusWindow"_s);
    setWindowTitle(u"Report Status"_s);
    m_label->setObjectName(u"StatusLabel"_s);
    m_label->setMinimumWidth(240);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
}

void ReportStatusWindow::showStatus(const QString &text)
{
    m_label->setText(text);
    if (!isVisible())
        show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
