#pragma once

#include <QString>
#include <QStringList>

// Everything the program asks the user goes through this seam. The window answers with message
// boxes and file dialogs; rule tests answer with a scripted fake that records what was shown.
class Prompter
{
public:
    // The answers to the question before a changed character is closed or replaced.
    enum class Unsaved
    {
        Save,
        Discard,
        Cancel
    };
    // The answers to the offer of a copy left by a run that ended before its character was
    // saved: take it up, delete it, or leave it for the next start.
    enum class Recovery
    {
        Restore,
        Delete,
        Later
    };

    virtual ~Prompter() = default;

    // A plain message box with an OK button; returns when it is closed.
    virtual void inform(const QString &text) = 0;
    // A Yes/No question, Yes the default; Escape or closing counts as No.
    virtual bool confirm(const QString &text) = 0;
    // A Yes/No question with No the default, before something is lost; Escape counts as No.
    virtual bool confirmRisk(const QString &text) = 0;
    // Save, Discard or Cancel; Escape or closing counts as Cancel.
    virtual Unsaved askToSave(const QString &text) = 0;
    // Restore (the default) or Delete the copy; Escape or closing leaves it for later. A run
    // without a window offers no copies.
    virtual Recovery askToRestore(const QString &text)
    {
        Q_UNUSED(text);
        return Recovery::Later;
    }
    // What was just done ("Saved hero.qmc"), said without interrupting: the window shows it in
    // its status bar for a while; a run without a window says nothing.
    virtual void announce(const QString &text) { Q_UNUSED(text); }
    // Announces that the file `name` was written: "Saved hero.qmc".
    void announceSaved(const QString &name);
    // The open and save dialogs; an empty name means the dialog was cancelled. The save dialog
    // offers `offered`: a full path, or a bare name in the folder the dialog is in.
    virtual QString openFileName() = 0;
    virtual QString saveFileName(const QString &offered) = 0;
    // The name of the PDF file to write a report to; empty when the dialog was cancelled.
    virtual QString pdfFileName() = 0;

    // A type of file the report's dialog offers: its extension without the dot ("md") and its
    // filter as the dialog shows it ("Markdown (*.md)").
    struct FileType
    {
        QString extension;
        QString filter;
    };
    // The report's file dialog offering the file types `types` (the PDF's first): the chosen
    // name, empty when cancelled, and the index of the type chosen. Where nothing else is
    // offered, this is the PDF dialog.
    struct ReportFile
    {
        QString name;
        int type = 0;
    };
    virtual ReportFile reportFile(const QList<FileType> &types)
    {
        Q_UNUSED(types);
        return {pdfFileName(), 0};
    }
};
