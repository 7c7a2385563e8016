#include "shell/QuillPrompter.h"

#include "common/ErrorText.h"
#include "common/FileNames.h"
#include "common/Translations.h"
#include "files/FileCommands.h"
#include "shell/AppTitle.h"
#include "shell/Tr.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace {

// Long enough to read, short enough not to outlive what it speaks of.
constexpr int announcedFor = 10000;

int runBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, applicationTitle(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

// The name with the extension of the type chosen: one of the types' extensions is swapped, any
// other part after a dot is kept ("Mr. Smith" becomes "Mr. Smith.md").
QString nameOfType(const QString &name, const QString &extension,
                   const QList<Prompter::FileType> &types)
{
    for (const Prompter::FileType &type : types) {
        const QString old = u'.' + type.extension;
        if (name.endsWith(old, Qt::CaseInsensitive) && name.size() > old.size())
            return name.chopped(old.size()) + u'.' + extension;
    }
    return name + u'.' + extension;
}

// The type of the filter the dialog shows, the first when none is.
int typeOfFilter(const QString &filter, const QList<Prompter::FileType> &types)
{
    for (int i = 0; i < types.size(); ++i)
        if (types.at(i).filter == filter)
            return i;
    return 0;
}

} // namespace

void QuillPrompter::inform(const QString &text)
{
    runBox(m_window, QMessageBox::NoIcon, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QuillPrompter::confirm(const QString &text)
{
    return runBox(m_window, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::Yes) == QMessageBox::Yes;
}

bool QuillPrompter::confirmRisk(const QString &text)
{
    return runBox(m_window, QMessageBox::NoIcon, text, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::No) == QMessageBox::Yes;
}

Prompter::Unsaved QuillPrompter::askToSave(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    // Qt's Discard is a word of its own dialogs ("Ne pas tenir compte"); beside Save, a
    // translation says what it does here. English keeps Qt's, which the desktop's theme may give.
    if (!Translations::language().isEmpty()) {
        //: The unsaved question's button that closes the character without saving it.
        box.button(QMessageBox::Discard)->setText(ShellTr::tr("Discard"));
    }
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Unsaved::Save;
    case QMessageBox::Discard:
        return Unsaved::Discard;
    default:
        return Unsaved::Cancel;
    }
}

// Restore or Delete the copy; Escape and the close button leave it for the next start.
Prompter::Recovery QuillPrompter::askToRestore(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text,
                    QMessageBox::Yes | QMessageBox::Discard | QMessageBox::Cancel, m_window);
    box.button(QMessageBox::Yes)->setText(ShellTr::tr("Restore"));
    box.button(QMessageBox::Discard)->setText(ShellTr::tr("Delete the copy"));
    box.button(QMessageBox::Cancel)->hide();
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Recovery::Restore;
    case QMessageBox::Discard:
        return Recovery::Delete;
    default:
        return Recovery::Later;
    }
}

void QuillPrompter::announce(const QString &text)
{
    if (auto *window = qobject_cast<QMainWindow *>(m_window))
        window->statusBar()->showMessage(text, announcedFor);
}

void QuillPrompter::showError(const QString &text)
{
    runBox(m_window, QMessageBox::Critical, errorText(text), QMessageBox::Ok, QMessageBox::Ok);
}

QFileDialog *QuillPrompter::dialog(const QString &name, bool save)
{
    auto *d = m_window->findChild<QFileDialog *>(name, Qt::FindDirectChildrenOnly);
    if (!d) {
        d = new QFileDialog(m_window);
        d->setObjectName(name);
        d->setOption(QFileDialog::DontUseNativeDialog);
        d->setOption(QFileDialog::DontConfirmOverwrite);
        d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        d->setFileMode(QFileDialog::AnyFile);
        d->setNameFilter(ShellTr::tr("Vestrine Characters (*.qmc)"));
        d->setSizeGripEnabled(true);
    }
    d->setDirectory(m_folders.characterDialog());
    return d;
}

QString QuillPrompter::runDialog(QFileDialog *d)
{
    const int result = d->exec();
    // Return pressed while the name's completion list shows accepts the dialog but leaves the
    // list on the screen.
    for (QCompleter *completer : d->findChildren<QCompleter *>())
        completer->popup()->hide();
    if (result != QDialog::Accepted || d->selectedFiles().isEmpty())
        return {};
    const QString name = d->selectedFiles().constFirst();
    m_folders.characterChosen(name);
    return name;
}

void QuillPrompter::offerFile(const QString &name)
{
    m_openOffered = QFileInfo(name).fileName();
    m_folders.startWith(name);
}

void QuillPrompter::fileDropped(const QString &name)
{
    m_openOffered = QFileInfo(name).fileName();
    m_folders.characterChosen(name);
}

QString QuillPrompter::openFileName()
{
    QFileDialog *d = dialog(u"OpenChar"_s, false);
    d->selectFile(m_openOffered);
    const QString name = runDialog(d);
    if (!name.isEmpty())
        m_openOffered = QFileInfo(name).fileName();
    return name;
}

QString QuillPrompter::saveFileName(const QString &offered)
{
    QFileDialog *d = dialog(u"SaveChar"_s, true);
    d->setDirectory(m_folders.saveDialog(offered));
    d->selectFile(QFileInfo(offered).fileName());
    return runDialog(d);
}

// Unlike the character-file dialogs, this one leaves the current folder alone: the layout file
// is still looked up where it was.
QString QuillPrompter::pdfFileName()
{
    QFileDialog d(m_window, ShellTr::tr("Save the Report as PDF"));
    d.setObjectName(u"ReportFileDialog"_s);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(ShellTr::tr("PDF documents (*.pdf)"));
    d.setDefaultSuffix(u"pdf"_s);
    d.setDirectory(m_folders.reportDialog());
    d.selectFile(FileNames::offered(m_pdfCharacter, u".pdf"_s));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    const QString name = d.selectedFiles().constFirst();
    m_folders.reportChosen(name);
    return name;
}

// The report's file dialog with a type per filter, in the PDF dialog's folder; the offered name
// and the chosen name take the extension of the type chosen. An existing file is replaced only
// after the question Save asks too.
Prompter::ReportFile QuillPrompter::reportFile(const QList<FileType> &types)
{
    QFileDialog d(m_window, ShellTr::tr("Save the Report"));
    d.setObjectName(u"ReportFileDialog"_s);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    QStringList filters;
    for (const FileType &type : types)
        filters << type.filter;
    d.setNameFilters(filters);
    d.setDirectory(m_folders.reportDialog());
    d.selectFile(FileNames::offered(m_pdfCharacter, u".pdf"_s));
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&](const QString &filter) {
        offerType(d, types.value(typeOfFilter(filter, types)).extension, types);
    });
    while (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) {
        const int type = typeOfFilter(d.selectedNameFilter(), types);
        const QString name =
            nameOfType(d.selectedFiles().constFirst(), types.value(type).extension, types);
        if (QFileInfo::exists(name) && !confirmRisk(FileCommands::replaceQuestion(name)))
            continue;
        m_folders.reportChosen(name);
        return {name, type};
    }
    return {};
}

// The name box follows the type: the offered name is offered again with the type's extension,
// within the file system's length, and a typed name has its extension swapped.
void QuillPrompter::offerType(QFileDialog &d, const QString &extension,
                              const QList<FileType> &types)
{
    auto *typed = d.findChild<QLineEdit *>(u"fileNameEdit"_s);
    if (!typed || typed->text().isEmpty())
        return;
    const QString offered = FileNames::offered(m_pdfCharacter, u".pdf"_s);
    const bool untouched =
        QFileInfo(typed->text()).completeBaseName() == QFileInfo(offered).completeBaseName();
    typed->setText(untouched ? FileNames::offered(m_pdfCharacter, u'.' + extension)
                             : nameOfType(typed->text(), extension, types));
}
