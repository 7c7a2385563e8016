#include "print/report/windows/ReportPageView.h"

#include "print/report/windows/PreviewPages.h"

#include <QLabel>
#include <QPixmap>
#include <QScrollBar>

using namespace Qt::StringLiterals;

ReportPageView::ReportPageView(const PreviewPages &pages, QWidget *parent)
    : QScrollArea(parent), m_pages(pages), m_paper(new QLabel)
{
    setObjectName(u"PreviewWidget"_s);
    m_paper->setObjectName(u"PreviewPage"_s);
    setWidget(m_paper);
    setAlignment(Qt::AlignCenter);
    setBackgroundRole(QPalette::Dark);
    draw();
}

int ReportPageView::pageCount() const
{
    return m_pages.pageCount();
}

void ReportPageView::setCurrentPage(int page)
{
    page = std::clamp(page, 1, std::max(1, pageCount()));
    if (page == m_page)
        return;
    m_page = page;
    draw();
    verticalScrollBar()->setValue(0);
    Q_EMIT pageChanged(page);
}

QPixmap ReportPageView::shownPage() const
{
    return m_paper->pixmap();
}

// The screen, and so its pixel ratio, is known for certain only once the view shows.
void ReportPageView::showEvent(QShowEvent *event)
{
    QScrollArea::showEvent(event);
    if (devicePixelRatioF() != m_drawnRatio)
        draw();
}

void ReportPageView::draw()
{
    m_drawnRatio = devicePixelRatioF();
    // The old page goes before the new one is drawn, so that only one is ever held.
    m_paper->clear();
    m_paper->setPixmap(QPixmap::fromImage(m_pages.render(m_page, logicalDpiX(), m_drawnRatio)));
    m_paper->adjustSize();
}
