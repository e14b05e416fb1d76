#include "print_dialog_setup.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>

void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PrintDialogSetup& setup)
{
    printer.setCopyCount(1);
    // Setting the bounds offers the range choice; the options below decide.
    dialog.setMinMax(kFirstPrintPage, kLastPrintPage);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, setup.rangeChoice);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    printer.setFromTo(setup.firstPage, setup.lastPage);
    printer.setPrintRange(setup.rangeChoice && setup.rangePreselected ? QPrinter::PageRange : QPrinter::AllPages);
}

bool pageRangeChosen(const QPrinter& printer)
{
    return printer.printRange() == QPrinter::PageRange;
}

bool printerAvailable(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return printer.isValid() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

PagePrintDialog::PagePrintDialog(QPrinter& printer, const PrintDialogSetup& setup, QWidget* parent)
    : QPrintDialog(&printer, parent), m_rangeChoice(setup.rangeChoice)
{
    preparePrintDialog(*this, printer, setup);
}

void PagePrintDialog::setVisible(bool visible)
{
    // Showing sets the dialog's choices up anew; the range follows after.
    QPrintDialog::setVisible(visible);
    if (visible && !m_rangeChoice)
        if (auto* range = findChild<QRadioButton*>(QStringLiteral("printRange")))
            range->setEnabled(false);
}
