#pragma once

#include <QCoreApplication>

// The one translation context of the character files: every text of this folder that is not a
// QObject's own tr() is translated as FilesTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Files", ...).
struct FilesTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Files)
};
