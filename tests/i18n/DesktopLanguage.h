#pragma once

#include "common/Translations.h"

#include <QApplication>
#include <QTest>

// Runs a language's test program on that language's desktop: the locale set, LANGUAGE unset, and
// the language the program's own rule chooses installed before the first window.
template <class Test>
int runOnDesktop(const char *locale, const char *language, int argc, char *argv[])
{
    qputenv("LC_ALL", locale);
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    const QString code = QString::fromLatin1(language);
    if (Translations::desktopLanguage() != code || !Translations::install(code))
        qFatal("%s was not chosen", language);
    Test test;
    return QTest::qExec(&test, argc, argv);
}
