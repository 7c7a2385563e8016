#include "shell/QuillPrompter.h"

#include "common/ErrorText.h"
#include "shell/AppTitle.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

// The context of this file's texts in the translations.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(QuillPrompter)
};

} // namespace

namespace {

int runBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, applicationTitle(), text, buttons, parent);
    box.setDefaultButton(defaultButton);
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

// A file name made of the character's name: a folder separator in the name would send the file
// elsewhere, and a very long name would be no file name at all. Nameless characters get one too.
QString pdfNameFor(const QString &character)
{
    QString name = character.trimmed().left(100);
    name.replace(u'/', u'-').remove(QChar(u'\0'));
    if (name.isEmpty() || name == u"."_s || name == u".."_s)
        name = u"Character"_s;
    return name + u".pdf"_s;
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

void QuillPrompter::showError(const QString &text)
{
    runBox(m_window, QMessageBox::Critical, errorText(text), QMessageBox::Ok, QMessageBox::Ok);
}

QFileDialog *QuillPrompter::dialog(const QString &name, bool save)
{
    if (auto *existing = m_window->findChild<QFileDialog *>(name, Qt::FindDirectChildrenOnly))
        return existing;
    auto *d = new QFileDialog(m_window);
    d->setObjectName(name);
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setOption(QFileDialog::DontConfirmOverwrite);
    d->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::AnyFile);
    d->setNameFilter(Text::tr("Vestrine Characters (*.qmc)"));
    d->setSizeGripEnabled(true);
    if (!m_offered.isEmpty())
        d->selectFile(m_offered);
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
    // A chosen file makes its folder the current one: the next Open or Save window starts there,
    // and Print looks for a layout there first.
    QDir::setCurrent(QFileInfo(name).absolutePath());
    d->selectFile(name);
    return name;
}

void QuillPrompter::offerFile(const QString &name)
{
    m_offered = QFileInfo(name).absoluteFilePath();
    for (const QString &dialogName : {u"OpenChar"_s, u"SaveChar"_s}) {
        if (auto *d = m_window->findChild<QFileDialog *>(dialogName, Qt::FindDirectChildrenOnly))
            d->selectFile(m_offered);
    }
}

QString QuillPrompter::openFileName()
{
    return runDialog(dialog(u"OpenChar"_s, false));
}

QString QuillPrompter::saveFileName()
{
    return runDialog(dialog(u"SaveChar"_s, true));
}

// Unlike the character-file dialogs, this one leaves the current folder alone: the layout file
// is still looked up where it was.
QString QuillPrompter::pdfFileName()
{
    QFileDialog d(m_window, Text::tr("Save the Report as PDF"));
    d.setObjectName(u"ReportFileDialog"_s);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(Text::tr("PDF documents (*.pdf)"));
    d.setDefaultSuffix(u"pdf"_s);
    d.selectFile(QDir::current().filePath(pdfNameFor(m_pdfCharacter)));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}
