#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

// The program's tall picture, stretched over the whole widget. It is rendered from its drawing
// at build time at twice the splash window's size, so that it stays sharp on screens that
// scale by two, and scaled smoothly to the widget's size once for every size it is shown at.
class ProgramPicture : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QPixmap m_shown; // m_picture at the size last painted
};
