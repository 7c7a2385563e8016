#pragma once

#include <QCoreApplication>

// The one translation context of the exports: every text of this folder that is not a QObject's
// own tr() is translated as ExportTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Export", ...).
struct ExportTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Export)
};
