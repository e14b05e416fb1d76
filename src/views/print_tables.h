#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

#include "views/paint_box.h"
#include "views/print_job.h"

class QPagedPaintDevice;

// What the two tables share: the device's measures, the fonts, and the run of
// pages with the range deciding which of them are drawn.

// The device in its own pixels: resolution, page, half-inch margins, the
// tables' normal and bold fonts and their line height.
struct TablePage {
    int dpiX = 600;
    int dpiY = 600;
    int pw = 0;  // page width
    int ph = 0;  // page height
    int mx = 0;
    int my = 0;
    QFont normal;
    QFont bold;
    int lh = 0;       // one line: text height and external leading
    int leading = 0;  // the normal font's external leading

    // The last y a row may reach before the page is full.
    int bodyBottom() const { return ph - my - 2 * lh; }
    // Where the data (and the box) begins under the heading.
    int dataTop() const { return my + 3 * lh; }
};

TablePage tablePage(const QPagedPaintDevice& device, const PrintFont& font);

// The pages of one table or one run of cards: counts them, starts the drawn
// ones on the device (the painter's begin starts the first) and ends the
// document at the last page of the range.
class PageRun {
public:
    PageRun(QPagedPaintDevice& device, const PrintRange& range, const PrintHooks& hooks);
    ~PageRun();
    PageRun(const PageRun&) = delete;
    PageRun& operator=(const PageRun&) = delete;

    // The next page: false when the device refused the document.
    bool startPage();
    // Ends the page; true when it was the range's last, so the document is done.
    bool endPage();
    // Asks the hook before a row; on a stop, aborts the document.
    bool stopped();
    // Ends the document unless it already ended.
    void finish();

    bool drawing() const { return m_drawing; }
    int pageNumber() const { return m_page; }
    QPainter& painter() { return m_painter; }
    PrintResult result() const { return m_result; }

private:
    QPagedPaintDevice& m_device;
    PrintRange m_range;
    const PrintHooks& m_hooks;
    QPainter m_painter;
    int m_page = 0;
    bool m_drawing = false;
    PrintResult m_result;
};

// The bold heading of a table page: the job name, the log's name and the
// column titles (drawn by titles at y = my + 2 lh); the normal font after.
void drawTableHeading(PageRun& run, const TablePage& page, const QString& jobName, const QString& logName);
// "Page %d" centred in the line above the bottom margin.
void drawPageFooter(PageRun& run, const TablePage& page);

// The shading of alternate weeks or blocks of rows.
inline const QColor kRowGrey(224, 224, 224);

inline constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

// The size text takes word-wrapped at width in font metrics fm (wider than
// width when a word is longer than the line).
QSize wrappedSize(const QFontMetrics& fm, int width, const QString& text);
// Draws wrapped text into box; a word too long for it is cut at the box's
// edge rather than running into the next column.
void drawWrapped(QPainter& painter, const Box& box, const QString& text);

PrintResult printLogTable(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request,
                          const PrintHooks& hooks);
PrintResult printTotalsTable(QPagedPaintDevice& device, const PrintRequest& request, const PrintHooks& hooks);
