#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// "Report Setup": where the report goes (preview, printer, a file or, where the window offers it,
// the clipboard; the preview preselected), copies, collation, duplex, and a button that opens the
// printer's own setup.
class ReportSetupDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Destination
    {
        Preview,
        Printer,
        File,
        Clipboard
    };
    struct Choice
    {
        Destination destination = Destination::Preview;
        int copies = 1;
        bool collate = true;
        QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    };

    // Opens the printer's own setup; returns the copies, collation and duplex chosen there, or
    // nothing when it was cancelled.
    using PrinterSetup = std::function<std::optional<Choice>()>;

    ReportSetupDialog(PrinterSetup printerSetup, bool offersClipboard, QWidget *parent);

    Choice choice() const;

private:
    QWidget *destinationGroup(bool offersClipboard);
    QWidget *printerGroup();

    void runPrinterSetup();

    PrinterSetup m_printerSetup;
    QRadioButton *m_preview;
    QRadioButton *m_printer;
    QRadioButton *m_file;
    QRadioButton *m_clipboard = nullptr;
    QSpinBox *m_copies;
    QCheckBox *m_collate;
    QComboBox *m_duplex;
};
