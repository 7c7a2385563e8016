#include "files/recovery/RecoveryNote.h"

#include <QFile>
#include <QList>
#include <type_traits>

namespace {

QByteArray encodedName(const QString &name)
{
    return QFile::encodeName(name).toPercentEncoding();
}

QString decodedName(QByteArrayView value)
{
    return QFile::decodeName(QByteArray::fromPercentEncoding(value.toByteArray()));
}

template <class Number> Number number(QByteArrayView value, Number otherwise)
{
    bool ok = false;
    Number n = 0;
    if constexpr (std::is_unsigned_v<Number>)
        n = Number(value.toULongLong(&ok));
    else
        n = Number(value.toLongLong(&ok));
    return ok ? n : otherwise;
}

} // namespace

QByteArray RecoveryNote::encode() const
{
    QByteArray text;
    const auto line = [&text](const char *key, const QByteArray &value) {
        text += key + QByteArray("=") + value + '\n';
    };
    line("file", encodedName(file));
    line("canonical", encodedName(identity.canonicalPath));
    line("device", QByteArray::number(identity.device));
    line("inode", QByteArray::number(identity.inode));
    line("size", QByteArray::number(identity.size));
    line("modified", QByteArray::number(identity.modifiedNs));
    line("name", name.toUtf8().toPercentEncoding());
    line("written", written.toUTC().toString(Qt::ISODateWithMs).toLatin1());
    return text;
}

RecoveryNote RecoveryNote::decode(QByteArrayView text)
{
    RecoveryNote note;
    for (const QByteArray &line : text.toByteArray().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArrayView key = QByteArrayView(line).first(qMax<qsizetype>(equals, 0));
        const QByteArrayView value = QByteArrayView(line).sliced(equals + 1);
        if (equals < 0)
            continue;
        if (key == "file")
            note.file = decodedName(value);
        else if (key == "canonical")
            note.identity.canonicalPath = decodedName(value);
        else if (key == "device")
            note.identity.device = number<quint64>(value, 0);
        else if (key == "inode")
            note.identity.inode = number<quint64>(value, 0);
        else if (key == "size")
            note.identity.size = number<qint64>(value, -1);
        else if (key == "modified")
            note.identity.modifiedNs = number<qint64>(value, 0);
        else if (key == "name")
            note.name = QString::fromUtf8(QByteArray::fromPercentEncoding(value.toByteArray()));
        else if (key == "written")
            note.written = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
    }
    return note;
}
