#pragma once

#include <QByteArray>
#include <QString>

// The one place that decides which folder each file dialog opens in.
//
// - The first character dialog of the run (Open or Save) opens where the player was: the folder
//   the launcher names as its caller's (QUILLMARK_CALLER_FOLDER), or the folder of the file
//   named at the start; when neither applies, the current folder. A caller's folder that cannot
//   be used (gone, or named in bytes that are not UTF-8) gives the home folder instead, never
//   the folder the launcher starts the program in, which holds its own files.
// - A character file chosen in a dialog or dropped on the window makes its folder the current
//   one: the next character dialog opens there, and Print looks for its layout there first.
// - Save offering the sheet's own file opens in that file's folder.
// - The report's file dialog opens where the last report file went, or else where the next
//   character dialog would.
// - Print looks for its layout in the current folder (and then in the start folder).
class DialogFolders
{
public:
    // Takes the caller's folder as the launcher passed it; empty when it passed none.
    explicit DialogFolders(const QByteArray &callerFolder);
    // The caller's folder from the environment the launcher set.
    static DialogFolders fromEnvironment();

    QString characterDialog() const;
    // The Save dialog offering `offered`: a full path opens in its folder.
    QString saveDialog(const QString &offered) const;
    QString reportDialog() const;
    // Where Print looks for its layout first: the current folder.
    static QString layoutFolder();

    // The file named at the start: the dialogs start in its folder, the current one stays.
    void startWith(const QString &file);
    // A character file chosen in a dialog or dropped: its folder becomes the current one.
    void characterChosen(const QString &file);
    void reportChosen(const QString &file);

private:
    QString m_first;
    QString m_report;
};
