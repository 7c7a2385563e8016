#include "shell/QuillPrompter.h"

#include "common/ErrorText.h"
#include "shell/AppTitle.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

using namespace Qt::StringLiterals;

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

// "md" of the filter "Markdown (*.md)".
QString extensionOf(const QString &filter)
{
    const qsizetype star = filter.lastIndexOf(u"*."_s);
    return star < 0 ? QString() : filter.mid(star + 2).section(u')', 0, 0);
}

// The name with the extension of the type chosen: one of the types' extensions is swapped, any
// other part after a dot is kept ("Mr. Smith" becomes "Mr. Smith.md").
QString withExtension(const QString &name, const QString &extension, const QStringList &types)
{
    for (const QString &type : types) {
        const QString old = u'.' + extensionOf(type);
        if (old.size() > 1 && name.endsWith(old, Qt::CaseInsensitive) && name.size() > old.size())
            return name.chopped(old.size()) + u'.' + extension;
    }
    return name + u'.' + extension;
}

// The desktop's usual question before a file is replaced, in Qt's own words; No is the default.
bool confirmReplace(QWidget *parent, const QString &name)
{
    const QString question = QCoreApplication::translate(
        "QFileDialog", "%1 already exists.\nDo you want to replace it?");
    return runBox(parent, QMessageBox::Warning, question.arg(QFileInfo(name).fileName()),
                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
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
    d->setNameFilter(u"Vestrine Characters (*.qmc)"_s);
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
    QFileDialog d(m_window, u"Save the Report as PDF"_s);
    d.setObjectName(u"ReportFileDialog"_s);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilter(u"PDF documents (*.pdf)"_s);
    d.setDefaultSuffix(u"pdf"_s);
    d.selectFile(QDir::current().filePath(pdfNameFor(m_pdfCharacter)));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

// The report's file dialog with a type per filter; the offered name and the chosen name take the
// extension of the type chosen. An existing file is replaced only after the usual question.
Prompter::ReportFile QuillPrompter::reportFile(const QStringList &types)
{
    QFileDialog d(m_window, QCoreApplication::translate("QuillPrompter", "Save the Report"));
    d.setObjectName(u"ReportFileDialog"_s);
    d.setOption(QFileDialog::DontUseNativeDialog);
    d.setOption(QFileDialog::DontConfirmOverwrite);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setNameFilters(types);
    d.selectFile(QDir::current().filePath(pdfNameFor(m_pdfCharacter)));
    QObject::connect(&d, &QFileDialog::filterSelected, &d, [&d, &types](const QString &filter) {
        if (auto *typed = d.findChild<QLineEdit *>(u"fileNameEdit"_s);
            typed && !typed->text().isEmpty())
            typed->setText(withExtension(typed->text(), extensionOf(filter), types));
    });
    while (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) {
        const int type = std::max<int>(0, types.indexOf(d.selectedNameFilter()));
        const QString name =
            withExtension(d.selectedFiles().constFirst(), extensionOf(types.value(type)), types);
        if (!QFileInfo::exists(name) || confirmReplace(&d, name))
            return {name, type};
    }
    return {};
}
