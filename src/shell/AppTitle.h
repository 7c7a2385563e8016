#pragma once

#include <QString>

// The caption of every message box: the program file's name without its folder, cut at its first
// ".", with every letter after the first in lower case (the first is kept as it is).
QString applicationTitle();
QString applicationTitleFor(const QString &programPath);
