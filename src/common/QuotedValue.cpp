#include "common/QuotedValue.h"

#include "common/Tr.h"
#include "common/Translations.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace QuotedValue {

QString quote(QStringView value, QStringView open, QStringView close, qsizetype length)
{
    if (length < 0)
        length = value.size();
    QString out;
    out += open;
    if (length <= maxQuoted) {
        out += value;
        out += close;
        return out;
    }
    // The cut never splits a surrogate pair.
    qsizetype cut = qMin(maxQuoted, value.size());
    if (cut > 0 && value.at(cut - 1).isHighSurrogate())
        --cut;
    const QString shownLength = Translations::number(length);
    out += value.first(cut);
    out += u'…';
    out += close;
    return out + CommonTr::tr(" (%1 characters)").arg(shownLength);
}

namespace {

bool isControl(char16_t u)
{
    return u < 0x20 || (u >= 0x7f && u <= 0x9f);
}

// The controls that reorder the text around them: embeddings and overrides, and isolates.
bool isDirectionControl(char16_t u)
{
    return (u >= 0x202a && u <= 0x202e) || (u >= 0x2066 && u <= 0x2069);
}

bool isLoneSurrogate(QStringView text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate();
    return c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

// Printable ASCII, nearly all of any text, is passed at once.
bool isEscaped(QStringView text, qsizetype i)
{
    const char16_t u = text.at(i).unicode();
    if (u >= 0x20 && u < 0x7f)
        return false;
    return isControl(u) || isDirectionControl(u) || isLoneSurrogate(text, i);
}

} // namespace

QString escapeControls(QStringView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype copied = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isEscaped(text, i))
            continue;
        const char16_t u = text.at(i).unicode();
        out += text.sliced(copied, i - copied);
        out += isControl(u) ? u"\\x"_s + QString::number(u, 16).rightJustified(2, u'0')
                            : u"\\u"_s + QString::number(u, 16);
        copied = i + 1;
    }
    out += text.sliced(copied);
    return out;
}

QString escapeControls(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isEscaped(text, i))
            return escapeControls(QStringView(text));
    return text;
}

} // namespace QuotedValue
