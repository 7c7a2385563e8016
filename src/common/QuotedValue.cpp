#include "common/QuotedValue.h"

#include "common/Translations.h"

#include <QCoreApplication>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(QuotedValue)
};

} // namespace

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
    // Thousands separators as the messages' language writes them, whatever the user's locale.
    const QString shownLength = Translations::numberLocale().toString(length);
    out += value.first(cut);
    out += u'…';
    out += close;
    return out + Text::tr(" (%1 characters)").arg(shownLength);
}

QString escapeControls(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u <= 0x9f))
            out += u"\\x"_s + QString::number(u, 16).rightJustified(2, u'0');
        else
            out += c;
    }
    return out;
}

} // namespace QuotedValue
