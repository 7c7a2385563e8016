#pragma once

#include <QCoreApplication>

// The one translation context of the printout: every text of this folder that is not a QObject's
// own tr() is translated as PrintTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Print", ...).
struct PrintTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Print)
};
