#pragma once

#include <QCoreApplication>

// The one translation context of the command line: every text of this folder that is not a
// QObject's own tr() is translated as CliTr::tr(), and a table's texts are marked with
// QT_TRANSLATE_NOOP("Quillmark::Cli", ...).
struct CliTr
{
    Q_DECLARE_TR_FUNCTIONS(Quillmark::Cli)
};
