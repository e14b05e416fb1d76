#pragma once

#include <QPrintDialog>

#include "shell/logic/print_setup.h"

class QPrinter;

// Prepares the print dialog of printer for a page: no selection choice; the
// page-range choice offered (and on the Day page chosen at the start, with
// the entry on show as its range) or, for the one-page Week and Graph,
// withheld. Printing to a file stays offered: on a desktop without a printer
// it is the only way to print.
void preparePrintDialog(QPrintDialog& dialog, QPrinter& printer, const PrintDialogSetup& setup);

// The print dialog prepared for a page. Without the range option Qt's own
// dialog still lets "Pages from" be chosen (for the print server to pick the
// pages); for the one-page Week and Graph this one withholds it.
class PagePrintDialog : public QPrintDialog {
    Q_OBJECT

public:
    PagePrintDialog(QPrinter& printer, const PrintDialogSetup& setup, QWidget* parent = nullptr);
    void setVisible(bool visible) override;

private:
    bool m_rangeChoice;
};

// Whether the person chose a page range in the dialog of printer.
bool pageRangeChosen(const QPrinter& printer);

// Whether printer can take a job: a file named for it, or a printer the
// system knows.
bool printerAvailable(const QPrinter& printer);
