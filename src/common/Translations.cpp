#include "common/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Translations {
namespace {

const QString CatalogueFolder = u":/i18n"_s;
const QString CataloguePrefix = u"quillmark_"_s;

QLocale &installedLocale()
{
    static QLocale locale(QLocale::English);
    return locale;
}

QString &installedLanguage()
{
    static QString language;
    return language;
}

bool namesCLocale(const QString &name)
{
    return name.isEmpty() || name == u"C"_s || name == u"POSIX"_s || name.startsWith(u"C."_s) ||
           name.startsWith(u"C@"_s);
}

// The languages asked for, in order: LANGUAGE's entries, the empty ones skipped, or the locale's
// own language when it names none. "de_DE.UTF-8" is "de-DE".
QStringList wantedLanguages(const QString &localeName, const QString &languages)
{
    QStringList wanted;
    for (const QString &entry : languages.split(u':', Qt::SkipEmptyParts))
        wanted.append(entry);
    if (wanted.isEmpty())
        wanted.append(localeName);
    for (QString &language : wanted)
        language = language.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'_', u'-');
    return wanted;
}

// "de-DE" is looked for as "de_DE", then as "de".
QStringList candidates(const QString &uiLanguage)
{
    QStringList parts = uiLanguage.split(u'-');
    QStringList names;
    while (!parts.isEmpty()) {
        names.append(parts.join(u'_'));
        parts.removeLast();
    }
    return names;
}

QStringList builtInCatalogues()
{
    QStringList codes;
    const QStringList files = QDir(CatalogueFolder).entryList({CataloguePrefix + u"*.qm"_s});
    for (const QString &file : files)
        codes.append(file.mid(CataloguePrefix.size()).chopped(3));
    return codes;
}

bool installLoaded(QTranslator *translator, bool loaded)
{
    if (loaded && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

QString catalogueFile(const QString &language)
{
    return CatalogueFolder + u'/' + CataloguePrefix + language + u".qm"_s;
}

} // namespace

QString chooseLanguage(const QString &localeName, const QString &languages,
                       const QStringList &catalogues)
{
    if (namesCLocale(localeName))
        return {};
    for (const QString &language : wantedLanguages(localeName, languages)) {
        for (const QString &name : candidates(language)) {
            if (name == u"en"_s)
                return {};
            if (catalogues.contains(name))
                return name;
        }
    }
    return {};
}

QString desktopLanguage()
{
    QString localeName;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        localeName = qEnvironmentVariable(variable);
        if (!localeName.isEmpty())
            break;
    }
    if (namesCLocale(localeName))
        return {};
    // An English desktop needs not even the catalogues' names.
    const QString languages = qEnvironmentVariable("LANGUAGE");
    const QStringList wanted = wantedLanguages(localeName, languages);
    if (wanted.isEmpty() || candidates(wanted.constFirst()).constLast() == u"en"_s)
        return {};
    return chooseLanguage(localeName, languages, builtInCatalogues());
}

bool loadProgramCatalogue(QTranslator &catalogue, const QString &language)
{
    return !language.isEmpty() && catalogue.load(catalogueFile(language));
}

bool install(const QString &language)
{
    if (language.isEmpty())
        return true;
    // Qt's catalogue only with the program's own, so that the two never speak different languages.
    if (!installProgramCatalogue(catalogueFile(language)))
        return false;
    installedLocale() = QLocale(language);
    installedLanguage() = language;
    auto *qt = new QTranslator(QCoreApplication::instance());
    installLoaded(
        qt, qt->load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    return true;
}

QString language()
{
    return installedLanguage();
}

QString number(qint64 value)
{
    return installedLocale().toString(value);
}

QString decimal(double value, int decimals)
{
    return installedLocale().toString(value, 'f', decimals);
}

QString dataSize(qint64 bytes, int decimals)
{
    return installedLocale().formattedDataSize(bytes, decimals, QLocale::DataSizeTraditionalFormat);
}

bool installProgramCatalogue(const QString &file)
{
    auto *own = new QTranslator(QCoreApplication::instance());
    return installLoaded(own, own->load(file));
}

} // namespace Translations
