#include "print/report/windows/ReportSetupDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

template <class T> T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

ReportSetupDialog::ReportSetupDialog(PrinterSetup printerSetup, bool offersClipboard,
                                     QWidget *parent)
    : QDialog(parent), m_printerSetup(std::move(printerSetup))
{
    setObjectName(u"ReportSetupDialog"_s);
    setWindowTitle(tr("Report Setup"));
    auto *buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel),
                          u"SetupButtons"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(destinationGroup(offersClipboard));
    layout->addWidget(printerGroup());
    layout->addWidget(buttons);
}

QWidget *ReportSetupDialog::destinationGroup(bool offersClipboard)
{
    auto *group = new QGroupBox(tr("Send the report to"));
    m_preview = named(new QRadioButton(tr("Pre&view")), u"PreviewRadioButton"_s);
    m_printer = named(new QRadioButton(tr("&Printer")), u"PrinterRadioButton"_s);
    m_file = named(new QRadioButton(offersClipboard ? tr("&File (PDF, Markdown, text or JSON)")
                                                    : tr("PDF &file")),
                   u"FileRadioButton"_s);
    m_preview->setChecked(true);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_preview);
    layout->addWidget(m_printer);
    layout->addWidget(m_file);
    if (offersClipboard) {
        m_clipboard =
            named(new QRadioButton(tr("Clip&board, as Markdown")), u"ClipboardRadioButton"_s);
        layout->addWidget(m_clipboard);
    }
    return group;
}

QWidget *ReportSetupDialog::printerGroup()
{
    auto *group = new QGroupBox(tr("Printing"));
    m_copies = named(new QSpinBox, u"CopiesSpinBox"_s);
    m_copies->setRange(1, 999);
    m_collate = named(new QCheckBox(tr("&Collate")), u"CollateCheckBox"_s);
    m_collate->setChecked(true);
    m_duplex = named(new QComboBox, u"DuplexComboBox"_s);
    m_duplex->addItem(tr("One-sided"), QPrinter::DuplexNone);
    m_duplex->addItem(tr("Two-sided, long edge"), QPrinter::DuplexLongSide);
    m_duplex->addItem(tr("Two-sided, short edge"), QPrinter::DuplexShortSide);
    auto *setup = named(new QPushButton(tr("Printer &setup...")), u"PrinterSetupButton"_s);
    connect(setup, &QPushButton::clicked, this, &ReportSetupDialog::runPrinterSetup);
    auto *layout = new QFormLayout(group);
    layout->addRow(tr("C&opies:"), m_copies);
    layout->addRow(QString(), m_collate);
    layout->addRow(tr("&Duplex:"), m_duplex);
    layout->addRow(QString(), setup);
    return group;
}

void ReportSetupDialog::runPrinterSetup()
{
    const std::optional<Choice> chosen = m_printerSetup();
    if (!chosen)
        return;
    m_copies->setValue(chosen->copies);
    m_collate->setChecked(chosen->collate);
    m_duplex->setCurrentIndex(std::max(0, m_duplex->findData(chosen->duplex)));
}

ReportSetupDialog::Choice ReportSetupDialog::choice() const
{
    Choice choice;
    if (m_printer->isChecked())
        choice.destination = Destination::Printer;
    else if (m_file->isChecked())
        choice.destination = Destination::File;
    else if (m_clipboard && m_clipboard->isChecked())
        choice.destination = Destination::Clipboard;
    choice.copies = m_copies->value();
    choice.collate = m_collate->isChecked();
    choice.duplex = QPrinter::DuplexMode(m_duplex->currentData().toInt());
    return choice;
}
