#pragma once

#include "common/Prompter.h"

class QFileDialog;
class QWidget;

// The window's side of the Prompter seam: plain and question boxes, the error box of the general
// error handler, the two character-file dialogs and the report's PDF file dialog. Nothing else in
// the program shows a QMessageBox or a QFileDialog.
class QuillPrompter : public Prompter
{
public:
    explicit QuillPrompter(QWidget *window) : m_window(window) {}

    void inform(const QString &text) override;
    bool confirm(const QString &text) override;
    QString openFileName() override;
    QString saveFileName() override;
    QString pdfFileName() override;
    ReportFile reportFile(const QStringList &types) override;

    // Both dialogs start in this file's folder with its name offered, as after choosing it in
    // them; the current folder stays as it is.
    void offerFile(const QString &name);
    // The PDF file dialog offers this character's name plus ".pdf" in the current folder.
    void offerPdfFor(const QString &characterName) { m_pdfCharacter = characterName; }

    // The general error handler's box: stop icon, OK, the text as errorText() gives it.
    void showError(const QString &text);

private:
    QFileDialog *dialog(const QString &name, bool save);
    QString runDialog(QFileDialog *dialog);

    QWidget *m_window;
    QString m_offered;
    QString m_pdfCharacter;
};
