#pragma once

#include "common/Prompter.h"

class QFileDialog;
class QWidget;

// The window's side of the Prompter seam: plain and question boxes, the error box of the general
// error handler, the two character-file dialogs and the report's PDF file dialog. Nothing else in
// the program shows a QMessageBox or a QFileDialog.
//
// The Open and Save dialogs share one folder: the first opens where the player started the
// program (or in the folder of the file named at the start), every later one where the last one
// ended. The PDF dialog keeps a folder of its own.
class QuillPrompter : public Prompter
{
public:
    explicit QuillPrompter(QWidget *window) : m_window(window) {}

    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    bool confirmRisk(const QString &text) override;
    Unsaved askToSave(const QString &text) override;
    QString openFileName() override;
    QString saveFileName(const QString &offered) override;
    QString pdfFileName() override;
    ReportFile reportFile(const QList<FileType> &types) override;

    // Where the first file dialog of the run opens, when not in the current folder.
    void startDialogsIn(const QString &folder);
    // The Open dialog offers this file, and the dialogs start in its folder.
    void offerFile(const QString &name);
    // The PDF file dialog offers this character's name plus ".pdf".
    void offerPdfFor(const QString &characterName) { m_pdfCharacter = characterName; }

    // The general error handler's box: stop icon, OK, the text as errorText() gives it.
    void showError(const QString &text);

private:
    QFileDialog *dialog(const QString &name, bool save);
    QString runDialog(QFileDialog *dialog);
    QString dialogFolder() const;
    void offerType(QFileDialog &dialog, const QString &extension, const QList<FileType> &types);

    QWidget *m_window;
    QString m_firstFolder;
    QString m_openOffered;
    QString m_pdfFolder;
    QString m_pdfCharacter;
};
