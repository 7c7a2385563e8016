#pragma once

#include <QColor>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A loaded report layout: a project of named reports, each of named pages, each holding parts
// placed in millimetres from the paper's top-left corner. The text and memo parts carry the
// texts put into them until the project is closed.
struct LayoutFont
{
    QString family = QStringLiteral("DejaVu Sans");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// What a text does that does not fit its box: drawn smaller (down to a readable size) and then cut
// off, only cut off, or (memos only) continued from the top of the box on further pages.
enum class Overflow
{
    Shrink,
    Clip,
    Continue
};

enum class PartKind
{
    Text,
    Memo,
    Label,
    Line,
    Box,
    Image
};

struct LayoutPart
{
    PartKind kind = PartKind::Label;
    QString name; // may be empty for the static parts
    QRectF rect;  // mm; a line runs along `line` instead
    QLineF line;
    LayoutFont font;
    QString text; // a label's text, or the text put into a text or memo field
    Overflow overflow = Overflow::Shrink;
    double lineWidth = 0.3;
    QColor fill;       // invalid: no fill
    double radius = 0; // rounded corners of a box
    QImage image;
};

struct LayoutPage
{
    QString name;
    QSizeF paper; // mm
    QList<LayoutPart> parts;
};

struct LayoutReport
{
    QString name;
    // What the printed document is called; set when the report is run.
    QString documentName;
    QList<LayoutPage> pages;
};

struct LayoutProject
{
    QString fileName;
    QList<LayoutReport> reports;
};

bool sameName(const QString &a, const QString &b);
