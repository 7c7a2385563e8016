#pragma once

#include <QCoreApplication>

// The one translation context of the report engine: every text of this folder that is not a
// QObject's own tr() is translated as ReportTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Report", ...).
struct ReportTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Report)
};
