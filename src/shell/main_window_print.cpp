// File > Print: the page on show, through the print dialog, onto the chosen
// printer or file, with the progress window's Cancel.
#include <QFile>
#include <QPrinter>

#include "dialogs/print_dialog_setup.h"
#include "log/messages.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/print_setup.h"
#include "shell/main_window.h"
#include "shell/pages/graph_page.h"
#include "shell/pages/totals_page.h"
#include "shell/print_monitor.h"
#include "shell/shell_dialogs.h"
#include "views/print_job.h"
#include "views/totals_list.h"

namespace {

// What a tab page prints; only asked for pages that print.
PrintPage printPageOf(int pageIndex)
{
    switch (static_cast<PageIndex>(pageIndex)) {
        case PageIndex::Day:
            return PrintPage::Day;
        case PageIndex::Week:
            return PrintPage::Week;
        case PageIndex::Totals:
            return PrintPage::Totals;
        case PageIndex::Graph:
            return PrintPage::Graph;
        default:
            return PrintPage::Log;
    }
}

// A job stopped by Cancel is thrown away, as a printer drops an aborted
// job: no half-written file is left behind to pass for the whole log.
void discardOutputFile(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        QFile::remove(printer.outputFileName());
}

}  // namespace

PrintRequest MainWindow::printRequest(int pageIndex, const PrintPages& pages)
{
    const PrintPage kind = printPageOf(pageIndex);
    PrintRequest request = printRequestFrom(viewSettingsOf(m_context.settings), kind, m_context.store);
    request.range = PrintRange{pages.first, pages.last};
    // The views print what they show.
    if (kind == PrintPage::Totals) {
        if (auto* totals = qobject_cast<TotalsPage*>(page(pageIndex)))
            request.totals = totals->totalsModel()->lines();
    } else if (kind == PrintPage::Week) {
        request.week.firstWeek = m_context.state.weekFirst;
        request.week.today = m_context.clock.today();
    } else if (kind == PrintPage::Graph) {
        if (auto* graph = qobject_cast<GraphPage*>(page(pageIndex)))
            request.graph = graph->prepareDrawing();
    }
    return request;
}

void MainWindow::onPrint()
{
    UserPrompt& prompt = m_context.prompt;
    if (m_context.store.shownCount == 0) {
        prompt.message(msg::kCaption, kNothingToPrint, UserPrompt::Icon::None);
        return;
    }
    const int pageIndex = currentPage();
    const std::optional<PrintDialogSetup> setup = printDialogSetup(pageIndex, m_context.state.dayEntry);
    if (!setup) {
        prompt.message(msg::kCaption, kPrintingNotSupported, UserPrompt::Icon::None);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printJobName(printPageOf(pageIndex)));
    if (!m_context.dialogs.askPrinter(this, printer, *setup))
        return;
    if (!printerAvailable(printer)) {
        prompt.message(msg::kCaption, kProblemPrinting, UserPrompt::Icon::None);
        return;
    }
    const PrintPages pages = pagesToPrint(*setup, pageRangeChosen(printer), printer.fromPage(), printer.toPage());
    // The job draws only the pages of its range itself; the printer is
    // given the whole of what it draws.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    const PrintRequest request = printRequest(pageIndex, pages);

    PrintResult result;
    {
        PrintMonitor monitor(*this, printer, printIsCancellable(request.page));
        result = printLog(printer, m_context.store, request, monitor.hooks());
    }
    if (result.outcome == PrintOutcome::Aborted)
        discardOutputFile(printer);
    else if (result.outcome == PrintOutcome::Failed)
        // A printer or file that cannot take the job is said so, rather than
        // leaving the person to think it printed.
        prompt.message(msg::kCaption, kProblemPrinting, UserPrompt::Icon::None);
}
