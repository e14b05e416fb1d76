#pragma once

#include <optional>

// How a print job is set up for the tab page on show: whether the page
// prints at all, the print dialog's page-range choice and the pages to print.

inline constexpr const char* kPrintingNotSupported = "Printing not supported for this window!";
inline constexpr const char* kProblemPrinting = "Problem printing!";
inline constexpr const char* kPrintingInProgress = "Printing in Progress...";
// Page numbers run from 1 to 9999; "All" prints up to the last of them.
inline constexpr int kFirstPrintPage = 1;
inline constexpr int kLastPrintPage = 9999;

struct PrintDialogSetup {
    bool rangeChoice = true;        // the page-range choice can be made (not on Week and Graph)
    bool rangePreselected = false;  // the Day page starts with the range chosen
    int firstPage = kFirstPrintPage;
    int lastPage = kFirstPrintPage;
};

// The set-up for a tab page (0..6); nothing for a page that does not print
// (Select). On the Day page the pages are entry numbers, and the range starts
// and ends at the entry on show (dayEntry + 1).
std::optional<PrintDialogSetup> printDialogSetup(int pageIndex, int dayEntry);

struct PrintPages {
    int first = kFirstPrintPage;
    int last = kLastPrintPage;
};

// The pages to print after the dialog: the range the person chose, or, when
// none was chosen, from the set-up's first page to the last there can be.
PrintPages pagesToPrint(const PrintDialogSetup& setup, bool rangeChosen, int fromPage, int toPage);
