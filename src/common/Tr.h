#pragma once

#include <QCoreApplication>

// The one translation context of what every room shares: every text of this folder that is not a
// QObject's own tr() is translated as CommonTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Common", ...).
struct CommonTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Common)
};
