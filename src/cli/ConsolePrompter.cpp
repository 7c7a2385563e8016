#include "cli/ConsolePrompter.h"

#include "common/ErrorText.h"

#include <cstdio>

using namespace Qt::StringLiterals;

void ConsolePrompter::inform(const QString &text)
{
    // A CR starts a new line in the window's boxes, as a line feed does on a terminal.
    QString entry = m_file + u": "_s + text + u'\n';
    entry.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    std::fputs(entry.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    ++m_messages;
}

bool ConsolePrompter::confirm(const QString &text)
{
    inform(text + u" (answered No)"_s);
    return false;
}

void ConsolePrompter::error(const QString &message)
{
    inform(errorText(message));
}
