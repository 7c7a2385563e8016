#include "shell/AppTitle.h"

#include <QCoreApplication>
#include <QFileInfo>

QString applicationTitleFor(const QString &programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    return name.left(1) + name.mid(1).toLower();
}

QString applicationTitle()
{
    return applicationTitleFor(QCoreApplication::applicationFilePath());
}
