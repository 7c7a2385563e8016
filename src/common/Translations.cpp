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

QString chooseLanguage(const QString &localeName, const QStringList &uiLanguages,
                       const QStringList &catalogues)
{
    if (namesCLocale(localeName))
        return {};
    for (const QString &uiLanguage : uiLanguages) {
        for (const QString &name : candidates(uiLanguage)) {
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
    // Without LANGUAGE the locale alone names the language, as in Qt's list ("de_DE.UTF-8" is
    // "de-DE"); an English desktop then needs neither that list nor the catalogues' names.
    const QStringList uiLanguages =
        qEnvironmentVariableIsEmpty("LANGUAGE")
            ? QStringList{localeName.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'_', u'-')}
            : QLocale::system().uiLanguages();
    if (uiLanguages.isEmpty() || candidates(uiLanguages.constFirst()).constLast() == u"en"_s)
        return {};
    return chooseLanguage(localeName, uiLanguages, builtInCatalogues());
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

QLocale numberLocale()
{
    return installedLocale();
}

bool installProgramCatalogue(const QString &file)
{
    auto *own = new QTranslator(QCoreApplication::instance());
    return installLoaded(own, own->load(file));
}

} // namespace Translations
