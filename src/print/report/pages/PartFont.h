#pragma once

#include "print/report/layout/ReportLayout.h"

#include <QFont>

// The font a part of the layout is drawn in, at `size` points.
inline QFont partFont(const LayoutFont &font, double size)
{
    QFont qfont(font.family);
    qfont.setPointSizeF(size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    return qfont;
}
