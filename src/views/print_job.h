#pragma once

#include <QLocale>
#include <QString>
#include <functional>
#include <string>

#include "views/logic/graph_data.h"
#include "views/logic/totals.h"
#include "views/logic/week_data.h"
#include "views/paint_style.h"

class QPagedPaintDevice;
class LogStore;
struct ViewSettings;

// Printing: the log and the totals as ruled tables laid out page by page,
// and the day cards, the week sheet and the graph through their painters.
// The caller owns the device (a QPrinter from the print dialog, a QPdfWriter
// in the tool); printing begins the painter on it, starts every page after
// the first drawn one and ends (or, on Cancel, aborts) the document.

// What the current tab page prints.
enum class PrintPage { Log, Day, Week, Totals, Graph };

// The window name that follows "Orvanta: " in the job name: "Daily Log",
// "Day View", "Weekly Log", "Totals", "Graph".
QString printWindowName(PrintPage page);
// "Orvanta: " and the window name.
QString printJobName(PrintPage page);

// Pages to draw, numbered from 1. For the Day page they are entry numbers
// (an entry's position + 1). The print dialog's "All" leaves last at 9999.
struct PrintRange {
    static constexpr int kLastPage = 9999;
    int first = 1;
    int last = kLastPage;
};

// The face and point size of the tables' font ("FontName: Printing",
// "FontSize: Printing").
struct PrintFont {
    QString name = QStringLiteral("Courier New");
    int points = 9;
};

// Everything a print needs besides the log and the device.
struct PrintRequest {
    PrintPage page = PrintPage::Log;
    PrintRange range;
    PrintFont tableFont;
    QString logName;  // under the job name on every table page
    QLocale locale;   // weekday names of the log table
    // Totals: the period's column title and the report's lines.
    TotalPeriod totalPeriod = TotalPeriod::Week;
    std::vector<TotalsLine> totals;
    // Pictures: the day cards', the week sheet's and the graph's styles
    // (printing set) and what the week sheet and the graph show.
    PaintStyle dayStyle;
    PaintStyle weekStyle;
    PaintStyle graphStyle;
    WeekRequest week;
    GraphRequest graph;
};

// A request with the fonts, styles and view settings taken from settings
// (printing flags set); the caller still sets the range, the totals lines
// (buildTotals), the week's first week and today, and the graph's first period.
PrintRequest printRequestFrom(const ViewSettings& settings, PrintPage page, const LogStore& store,
                              const QLocale& locale = QLocale());

// Whether the page prints with the "Printing in Progress..." window and its
// Cancel: every page but the graph.
inline bool printIsCancellable(PrintPage page)
{
    return page != PrintPage::Graph;
}

// Calls from inside a print job. shouldStop is asked before every table row
// and every day card (the window's Cancel; the window pumps its events
// there); pageDone is told each page number drawn; abortDocument is called,
// with the painter still active, when the job stops early (a QPrinter's
// abort()).
struct PrintHooks {
    std::function<bool()> shouldStop;
    std::function<void(int page)> pageDone;
    std::function<void()> abortDocument;
};

enum class PrintOutcome {
    Finished,  // every page of the range drawn, the document ended
    Aborted,   // stopped by shouldStop; the document was aborted
    Failed,    // the device refused to start the document
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Finished;
    int pagesLaidOut = 0;  // table pages counted, drawn or not; day cards drawn
    int pagesDrawn = 0;
};

// Prints request.page of store onto device at the device's own resolution
// and page size. Nothing is drawn (and the device is left alone) when no
// page of the range has anything on it.
PrintResult printLog(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request,
                     const PrintHooks& hooks = {});
