#pragma once

#include "print/report/layout/ReportLayout.h"

#include <QSet>
#include <optional>

// The attribute values of a report layout file, from text. Each reading that can fail writes a
// message into `error` (which the reader turns into a "damaged in line N" error) and returns a
// harmless value.
namespace LayoutValues {

// Records a name, compared without regard to case; false when it was there already.
bool insertName(QSet<QString> &names, const QString &name);

std::optional<PartKind> partKind(const QString &element);
double millimetresPer(const QString &unit); // 0 for an unknown unit
QSizeF paperSize(const QString &paper);     // empty for an unknown paper

bool weight(const QString &text, QString &error);
bool yesNo(const QString &text, QString &error);
QColor colour(const QString &text, QString &error);
Qt::Alignment horizontal(const QString &text, QString &error);
Qt::Alignment vertical(const QString &text, QString &error);
// Memos continue by default; text fields and labels shrink.
Overflow overflow(const QString &text, PartKind kind, QString &error);

} // namespace LayoutValues
