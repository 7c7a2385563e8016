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
