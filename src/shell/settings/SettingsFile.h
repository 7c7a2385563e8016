#pragma once

#include "shell/settings/Configuration.h"

#include <QString>
#include <optional>

// The settings file "quillmark.ini": read when the window is first shown, stored when it closes.
class SettingsFile
{
public:
    struct Loaded
    {
        // What the file says; none when it held nothing to read (it was missing, and has just
        // been created with everything on, or it was refused).
        std::optional<Configuration> configuration;
        // A refusal to tell the user once the window is on screen; empty otherwise.
        QString message;
    };

    // The file in the folder the program started in, wherever the file dialogs have moved the
    // current folder since.
    static QString path();

    // Raises QuillError when a missing file cannot be created.
    Loaded load();
    // Writes all sixteen keys in one replacing write, so a failed store leaves the file as it
    // was; raises QuillError then. A file refused at load is left as it is.
    void store(const Configuration &configuration);

private:
    QString m_ignored;
};
