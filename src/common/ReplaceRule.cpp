#include "common/ReplaceRule.h"

#include "common/OutsideFile.h"
#include "common/ProfileText.h"

#include <QXmlStreamReader>

namespace OutsideFile {
namespace {

bool anyFile(const Look &)
{
    return true;
}

bool isPdf(const Look &look)
{
    return look.head.startsWith("%PDF-") && look.tail.contains("%%EOF");
}

} // namespace

bool recognises(const ReplaceRule &rule, QByteArrayView bytes)
{
    const qint64 size = bytes.size();
    return rule.recognises({bytes.first(qMin(size, rule.headBytes)).toByteArray(),
                            bytes.last(qMin(size, tailBytes)).toByteArray(), size});
}

bool isLayout(const Look &look)
{
    QXmlStreamReader xml(look.head);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return xml.name() == u"project";
    // A start cut off inside what stands before the first element may still be a layout's.
    return xml.error() == QXmlStreamReader::PrematureEndOfDocumentError && !look.whole() &&
           !look.head.trimmed().isEmpty();
}

bool isSettingsFile(const Look &look)
{
    return look.whole() && look.size <= settingsFile.maxBytes &&
           ProfileText::onlyProfileLines(look.head, {"Character Types", "Resource Types"});
}

const ReplaceRule characterSave{QT_TRANSLATE_NOOP("Quillmark::Common", "a file"), 0, anyFile, true};
const ReplaceRule earlierPdf{QT_TRANSLATE_NOOP("Quillmark::Common", "a PDF"), 5, isPdf};

} // namespace OutsideFile
