#include "cli/ConsolePrompter.h"

#include "cli/Tr.h"
#include "common/ErrorText.h"
#include "common/QuotedValue.h"

#include <cstdio>

using namespace Qt::StringLiterals;

void ConsolePrompter::inform(const QString &text)
{
    // One line an entry: a CR starts a new line in the window's boxes and a blank here. Every
    // other control character, of the text or of the file's name, is shown as an escape, so that
    // a file cannot move the cursor, clear the screen or retitle the terminal.
    QString line = text;
    line.replace(u"\r\n"_s, u" "_s).replace(u'\r', u' ');
    const QString entry =
        QuotedValue::escapeControls(m_file) + u": "_s + QuotedValue::escapeControls(line) + u'\n';
    std::fputs(entry.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    ++m_messages;
}

bool ConsolePrompter::confirm(const QString &text)
{
    inform(CliTr::tr("%1 (answered No)").arg(text));
    return false;
}

void ConsolePrompter::error(const QString &message)
{
    inform(errorText(message));
}
