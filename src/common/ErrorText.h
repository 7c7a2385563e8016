#pragma once

#include <QString>

// What the general error handler shows of an error, in a box or on standard error: the message
// with a "." appended when its last character sorts after ".".
inline QString errorText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}
