#pragma once

#include <QCoreApplication>

// The one translation context of the window: every text of this folder that is not a QObject's
// own tr() is translated as ShellTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Shell", ...).
struct ShellTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Shell)
};
