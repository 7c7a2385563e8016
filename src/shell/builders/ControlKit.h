#pragma once

// Small builders shared by the main window's areas. Each makes one control with its name,
// geometry and starting state; the window is fixed in size, so every control is placed by hand.

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QAbstractButton;
class QFrame;
class QLabel;
class QLineEdit;
class QListView;
class QToolButton;
class QWidget;
class TUpDown;

namespace ControlKit {

// The window's default font: "MS Sans Serif" 8 pt, falling back to a face of similar width.
QFont windowFont();
QFont boldFont(const QString &family, int pixelSize);
QFont serifLabelFont(); // bold "Times New Roman", 15 pixels
QFont forceLabelFont(); // bold "Times New Roman", 24 pixels
QFont valueBoxFont();   // bold "MS Sans Serif", 24 pixels

// Adds the image ":/images/BASENAME.png" to the icon for the mode, and on a screen that scales
// its twin BASENAME@2x.png.
void addPng(QIcon &icon, const QString &baseName, QIcon::Mode mode = QIcon::Normal);
// A button image from the resources with its greyed form for the disabled state.
QIcon buttonImage(const QString &baseName);

// Every control takes the focus only when clicked, unless it is one of the few tab stops.
void setTabStop(QWidget *control, bool tabStop);

// What assistive technology says for a control (for a combo box, also for its drop-down list
// and for the edit inside it, which is what takes the focus).
void setSpokenName(QWidget *control, const QString &name);
// Names a control after the label that stands for it: the label's words without the closing ":",
// so a voice command can use the words on the screen; the label is tied to the control. Returns
// the name.
QString nameAfterLabel(QLabel *label, QWidget *control);

QLabel *makeLabel(QWidget *parent, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// Lets the edit hold text of any length, as a file may.
void unlimitLength(QLineEdit *edit);
QLineEdit *makeEdit(QWidget *parent, const QString &name, const QString &text,
                    const QRect &geometry);
// A read-only number box showing "0".
QLineEdit *makeValueBox(QWidget *parent, const QString &name, const QRect &geometry);
TUpDown *makeUpDown(QWidget *parent, const QString &name, int minimum, int maximum, int position,
                    QLineEdit *buddy, const QRect &geometry);
QListView *makeListBox(QWidget *parent, const QString &name, const QRect &geometry);

// An image-only arrow button.
QToolButton *makeArrowButton(QWidget *parent, const QString &name, const QString &image,
                             const QRect &geometry);
// A captioned button with its image right of the caption.
QAbstractButton *makeCaptionButton(QWidget *parent, const QString &name, const QString &caption,
                                   const QString &image, const QRect &geometry);
QToolButton *makeCaptionSpeedButton(QWidget *parent, const QString &name, const QString &caption,
                                    const QString &image, const QRect &geometry);

// A lowered frame around an area, and a thin engraved line across one.
QFrame *makeBevel(QWidget *parent, const QRect &geometry);
QFrame *makeRule(QWidget *parent, const QRect &geometry);

} // namespace ControlKit
