#pragma once

#include <QFile>
#include <QString>

// Writes a layout file for a test; the page of `body` is Report1.Page1, on A4 in millimetres
// unless `page` says otherwise.
inline bool writeLayout(const QString &path, const QByteArray &body,
                        const QByteArray &page = "paper=\"A4\" unit=\"mm\"")
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray text = "<?xml version=\"1.0\"?>\n<project>\n<report name=\"Report1\">\n"
                            "<page name=\"Page1\" " +
                            page + ">\n" + body + "\n</page>\n</report>\n</project>\n";
    return file.write(text) == text.size();
}

// The fifteen fields of a character sheet in a column, with `extra` parts after them; any field
// named in `leaveOut` is left out.
inline QByteArray sheetFields(const QByteArray &extra = {}, const QByteArray &leaveOut = {})
{
    QByteArray body;
    int y = 10;
    for (const char *name :
         {"cname", "chior_band", "Corpforce", "Ethforce", "Celforce", "Strength", "Agility",
          "Intelligence", "Precision", "Mindhits", "Will", "Perception", "SoulHits"}) {
        if (leaveOut != name)
            body += "<text name=\"" + QByteArray(name) + "\" x=\"10\" y=\"" +
                    QByteArray::number(y) + "\" width=\"150\" height=\"8\"/>\n";
        y += 9;
    }
    body += R"(<memo name="FirstColum" x="10" y="130" width="90" height="150" size="8"/>
<memo name="SecondColum" x="110" y="130" width="90" height="150" size="8"/>
)";
    return body + extra;
}
