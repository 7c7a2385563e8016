#pragma once

#include "common/QuillError.h"

#include <QString>
#include <functional>

// Runs an action and returns the message of the error it raised; empty when it raised none.
inline QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const QuillError &error) {
        return error.message();
    }
    return {};
}

// What a failed File > Save says, in English: the file, why, and that nothing was saved.
inline QString notSaved(const QString &name, const QString &why)
{
    return QStringLiteral("Unable to save \"%1\": %2. The character was not saved.").arg(name, why);
}
