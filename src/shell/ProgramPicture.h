#pragma once

#include <QSvgRenderer>
#include <QWidget>

// The program's tall picture, stretched over the whole widget. Drawn from its vector form at
// every paint, so it stays sharp at any size and screen scale.
class ProgramPicture : public QWidget
{
    Q_OBJECT

public:
    explicit ProgramPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_picture;
};
