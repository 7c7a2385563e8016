#pragma once

#include "common/Prompter.h"
#include "shell/settings/DialogFolders.h"

class QFileDialog;
class QWidget;

// The window's side of the Prompter seam: plain and question boxes, the error box of the general
// error handler, the two character-file dialogs and the report's PDF file dialog, and the status
// bar's word on what was written. Nothing else in the program shows a QMessageBox or a
// QFileDialog. Which folder each dialog opens in is DialogFolders' decision.
class QuillPrompter : public Prompter
{
public:
    explicit QuillPrompter(QWidget *window)
        : m_window(window), m_folders(DialogFolders::fromEnvironment())
    {
    }

    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    bool confirmRisk(const QString &text) override;
    Unsaved askToSave(const QString &text) override;
    Recovery askToRestore(const QString &text) override;
    void announce(const QString &text) override;
    QString openFileName() override;
    QString saveFileName(const QString &offered) override;
    QString pdfFileName() override;
    ReportFile reportFile(const QList<FileType> &types) override;

    // The Open dialog offers this file, named at the start, and the dialogs start in its folder.
    void offerFile(const QString &name);
    // A file dropped on the window counts as chosen in the Open dialog.
    void fileDropped(const QString &name);
    // The PDF file dialog offers this character's name plus ".pdf".
    void offerPdfFor(const QString &characterName) { m_pdfCharacter = characterName; }

    // The general error handler's box: stop icon, OK, the text as errorText() gives it.
    void showError(const QString &text);

private:
    QFileDialog *dialog(const QString &name, bool save);
    QString runDialog(QFileDialog *dialog);
    void offerType(QFileDialog &dialog, const QString &extension, const QList<FileType> &types);

    QWidget *m_window;
    DialogFolders m_folders;
    QString m_openOffered;
    QString m_pdfCharacter;
};
