#include "shell/widgets/ProgramPicture.h"

#include "shell/widgets/Artwork.h"

#include <QPainter>

using namespace Qt::StringLiterals;

ProgramPicture::ProgramPicture(QWidget *parent)
    : QWidget(parent), m_picture(Artwork::readPng(u":/images/quillmark-picture.png"_s))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Quillmark"));
    setAccessibleDescription(
        tr("The program's picture: a quill writing on a rolled parchment under a night sky"));
}

void ProgramPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Without its picture the window still looks deliberate rather than broken.
    painter.fillRect(rect(), QColor(0x24, 0x1a, 0x4a));
    if (m_picture.isNull())
        return;
    const qreal scale = devicePixelRatioF();
    const QSize pixels = size() * scale;
    if (m_shown.size() != pixels) {
        m_shown = QPixmap::fromImage(
            m_picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_shown.setDevicePixelRatio(scale);
    }
    painter.drawPixmap(0, 0, m_shown);
}
