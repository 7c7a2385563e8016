#pragma once

#include <QCoreApplication>

// The one translation context of the character sheet: every text of this folder that is not a
// QObject's own tr() is translated as SheetTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Sheet", ...).
struct SheetTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Sheet)
};
