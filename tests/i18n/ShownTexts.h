#pragma once

#include <QList>
#include <QString>

class QWidget;

// The texts a window shows that come from the program, not from a file: labels, captions,
// titles, tab captions, menu items, prompts, tooltips and accessible names. The items of lists
// and combo boxes are stored values and are left out, as are the texts Qt itself gives its
// standard buttons and the inner parts of its controls.
struct ShownText
{
    QWidget *widget;
    QString text;
    bool measured; // a caption drawn inside the widget's fixed box, where it must fit
};

QList<ShownText> shownTexts(QWidget *root);

// A caption's text without its access key marker.
QString withoutAccessKey(const QString &text);
