#include "common/FileNames.h"

#include "common/Tr.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace FileNames {
namespace {

bool fits(const QString &base, const QString &extension)
{
    return QFile::encodeName(base + extension).size() <= maximumBytes;
}

// Drops whole characters from the end until the name fits. A character takes at least one
// byte, so no more than maximumBytes of them can fit: the loop starts from there.
QString cutToFit(QString base, const QString &extension)
{
    if (base.size() > maximumBytes)
        base.truncate(maximumBytes);
    if (!base.isEmpty() && base.back().isHighSurrogate())
        base.chop(1);
    while (!base.isEmpty() && !fits(base, extension)) {
        base.chop(1);
        if (!base.isEmpty() && base.back().isHighSurrogate())
            base.chop(1);
    }
    return base;
}

} // namespace

QString offered(const QString &base, const QString &extension)
{
    QString name = base;
    name.replace(u'/', u'-').remove(QChar(u'\0'));
    name = name.trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    name = cutToFit(name.trimmed(), extension);
    if (name.isEmpty()) {
        //: The name a file is offered under while the character has none: "Character.qmc",
        //: "Character.pdf". A word of one file name: no "/".
        name = CommonTr::tr("Character");
    }
    return name + extension;
}

QString withExtension(const QString &name, const QString &extension)
{
    return name.endsWith(extension) ? name : name + extension;
}

} // namespace FileNames
