#pragma once

#include <QCoreApplication>

// The one translation context of the resource lists: every text of this folder that is not a
// QObject's own tr() is translated as ResourcesTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Resources", ...).
struct ResourcesTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Resources)
};
