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

    virtual ~Prompter() = default;

    // A plain message box with an OK button; returns when it is closed.
    virtual void inform(const QString &text) = 0;
    // A Yes/No question, Yes the default; Escape or closing counts as No.
    virtual bool confirm(const QString &text) = 0;
    // A Yes/No question with No the default, before something is lost; Escape counts as No.
    virtual bool confirmRisk(const QString &text) = 0;
    // Save, Discard or Cancel; Escape or closing counts as Cancel.
    virtual Unsaved askToSave(const QString &text) = 0;
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
