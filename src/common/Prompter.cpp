#include "common/Prompter.h"

#include "common/Tr.h"

#include <QFileInfo>

void Prompter::announceSaved(const QString &name)
{
    announce(CommonTr::tr("Saved %1").arg(QFileInfo(name).fileName()));
}
