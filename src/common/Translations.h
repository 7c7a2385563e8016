#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QTranslator;

// The language the program speaks: the desktop's, by gettext's rule. English is the language of
// the sources and needs no catalogue; every other language needs the program's own catalogue,
// and then Qt's catalogue for the same language is loaded too, so that standard buttons and
// dialogs match. Chosen once, before the first window is built; there is no switching later.
namespace Translations {

// The language code of a catalogue ("de", "fr"), or empty for English, by gettext's rule: the one
// rule for the program's texts and its default layout. `localeName` is the first set one of
// LC_ALL, LC_MESSAGES and LANG: when it names the C or POSIX locale, the program is English
// whatever else is set. Otherwise the languages LANGUAGE lists ("de_AT:fr"; empty entries are
// skipped), or the locale's own when it lists none, are tried in order ("de_AT", then "de"); the
// first that is English or has one of `catalogues` decides, and English when none does.
QString chooseLanguage(const QString &localeName, const QString &languages,
                       const QStringList &catalogues);

// The language by the desktop's environment and the catalogues built into the program.
QString desktopLanguage();

// Installs the program's catalogue for `language` and Qt's own for the same language. Needs the
// application object; does nothing for English. Returns false when the program's catalogue
// could not be loaded.
bool install(const QString &language);

// The language installed: a catalogue's code ("de"), empty for English.
QString language();

// How numbers in shown texts are written: as in the program's language, English until one is
// installed, whatever the desktop's formats say. Every count, size, line and page a message or
// the printout shows goes through these, so each language writes its numbers one way: "10,000"
// and "2.5", German "10.000" and "2,5", French "10 000" and "2,5".
// A whole number: a count, a size, a line or page.
QString number(qint64 value);
// A number with a fraction: as short as it can be written exactly, or rounded to `decimals`.
QString decimal(double value, int decimals = QLocale::FloatingPointShortest);
// A size in bytes: "2.4 MB", German "2,4 MB", French "2,4 Mo".
QString dataSize(qint64 bytes, int decimals);

// Loads the program's catalogue for `language` without installing it: for a text needed before
// the application object exists. False for English and when there is none.
bool loadProgramCatalogue(QTranslator &catalogue, const QString &language);

// Installs a catalogue file as the program's own (the pseudo-language of the tests).
bool installProgramCatalogue(const QString &file);

} // namespace Translations
