#pragma once

#include "common/Prompter.h"

#include <QString>

// The Prompter of a run without a window: each message the window would show in a box goes to
// standard error as one line, prefixed with the name of the file it is about, with its control
// characters shown as escapes. Nothing is asked: a question counts as No and a file dialog as
// cancelled.
class ConsolePrompter : public Prompter
{
public:
    void setFile(const QString &name)
    {
        m_file = name;
        m_messages = 0;
    }
    // Messages written since the file was set.
    int messages() const { return m_messages; }

    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    bool confirmRisk(const QString &text) override { return confirm(text); }
    Unsaved askToSave(const QString &text) override
    {
        confirm(text);
        return Unsaved::Cancel;
    }
    QString openFileName() override { return {}; }
    QString saveFileName(const QString &) override { return {}; }
    QString pdfFileName() override { return {}; }
    // The progress lines say what was written; nothing more is said.
    void announce(const QString &) override {}

    // What the window's error box shows, with the same full-stop rule.
    void error(const QString &message);

private:
    QString m_file;
    int m_messages = 0;
};
