#include "shell/logic/print_setup.h"

#include <algorithm>

#include "shell/logic/shell_state.h"

std::optional<PrintDialogSetup> printDialogSetup(int pageIndex, int dayEntry)
{
    PrintDialogSetup setup;
    switch (static_cast<PageIndex>(pageIndex)) {
        case PageIndex::DataEntry:
        case PageIndex::Log:
        case PageIndex::Totals:
            return setup;
        case PageIndex::Day:
            setup.rangePreselected = true;
            setup.firstPage = std::clamp(dayEntry + 1, kFirstPrintPage, kLastPrintPage);
            setup.lastPage = setup.firstPage;
            return setup;
        case PageIndex::Week:
            setup.rangeChoice = false;
            return setup;
        case PageIndex::Graph:
            setup.rangeChoice = false;
            return setup;
        case PageIndex::Select:
            break;
    }
    return std::nullopt;
}

PrintPages pagesToPrint(const PrintDialogSetup& setup, bool rangeChosen, int fromPage, int toPage)
{
    // A range of 0 to 0 is the print dialog's way of saying "all".
    if (!rangeChosen || !setup.rangeChoice || (fromPage <= 0 && toPage <= 0))
        return {setup.firstPage, kLastPrintPage};
    const int first = std::clamp(fromPage, kFirstPrintPage, kLastPrintPage);
    const int last = toPage <= 0 ? kLastPrintPage : std::clamp(toPage, first, kLastPrintPage);
    return {first, last};
}
