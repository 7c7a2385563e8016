#include "shell/ProgramPicture.h"

#include <QPainter>

using namespace Qt::StringLiterals;

ProgramPicture::ProgramPicture(QWidget *parent)
    : QWidget(parent), m_picture(u":/images/quillmark-picture.svg"_s)
{
    m_picture.setAspectRatioMode(Qt::IgnoreAspectRatio);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgramPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Without its picture the window still looks deliberate rather than broken.
    painter.fillRect(rect(), QColor(0x24, 0x1a, 0x4a));
    if (m_picture.isValid())
        m_picture.render(&painter, QRectF(rect()));
}
