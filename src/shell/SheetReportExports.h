#pragma once

#include "common/ReportExports.h"

class CharacterSheet;
class QStatusBar;

// Report Setup's other destinations for the character on the sheet: a Markdown, plain text or
// JSON file, and the clipboard as Markdown, with a word in the status bar.
class SheetReportExports : public ReportExports
{
public:
    SheetReportExports(const CharacterSheet &sheet, QStatusBar *status, QStringList kept)
        : m_sheet(sheet), m_status(status), m_kept(std::move(kept))
    {
    }

    QList<Prompter::FileType> fileTypes() const override;
    void writeFile(int type, const QString &name) override;
    void copyToClipboard() override;

private:
    const CharacterSheet &m_sheet;
    QStatusBar *m_status;
    QStringList m_kept; // the layout and the settings file, never replaced
};
