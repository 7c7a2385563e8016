#pragma once

#include <QString>

// Everything the program asks the user goes through this seam. The window answers with message
// boxes and file dialogs; rule tests answer with a scripted fake that records what was shown.
class Prompter
{
public:
    virtual ~Prompter() = default;

    // A plain message box with an OK button; returns when it is closed.
    virtual void inform(const QString &text) = 0;
    // A Yes/No question, Yes the default; Escape or closing counts as No.
    virtual bool confirm(const QString &text) = 0;
    // The open and save dialogs; an empty name means the dialog was cancelled.
    virtual QString openFileName() = 0;
    virtual QString saveFileName() = 0;
    // The name of the PDF file to write a report to; empty when the dialog was cancelled.
    virtual QString pdfFileName() = 0;
};
