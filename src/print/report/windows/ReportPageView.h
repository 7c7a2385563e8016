#pragma once

#include <QScrollArea>

class PreviewPages;
class QLabel;

// One page of a preview at 100 per cent (its paper's size at the screen's resolution), drawn when
// it is turned to; only the page shown is kept.
class ReportPageView : public QScrollArea
{
    Q_OBJECT

public:
    ReportPageView(const PreviewPages &pages, QWidget *parent);

    int pageCount() const;
    int currentPage() const { return m_page; }
    // Turns to `page`, kept within the report's pages.
    void setCurrentPage(int page);
    // What is shown: the page at its size on the screen.
    QPixmap shownPage() const;

Q_SIGNALS:
    void pageChanged(int page);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void draw();

    const PreviewPages &m_pages;
    QLabel *m_paper;
    int m_page = 1;
    qreal m_drawnRatio = 0;
};
