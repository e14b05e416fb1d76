// The totals report as a shaded table: the report's lines as they stand,
// blocks of a period alternating grey and white, centred in a box.

#include <QPagedPaintDevice>
#include <algorithm>

#include "views/logic/print_layout.h"
#include "views/print_tables.h"

namespace {

class TotalsTable {
public:
    TotalsTable(QPagedPaintDevice& device, const PrintRequest& request, const PrintHooks& hooks)
        : m_request(request), m_page(tablePage(device, request.tableFont)), m_run(device, request.range, hooks)
    {
        const QFontMetrics fm(m_page.normal, &device);
        const int width = request.totals.empty() ? 0 : fm.horizontalAdvance(latin1(request.totals.front().text));
        m_left = (m_page.pw - width) / 2;
        m_right = m_left + width;
    }

    PrintResult print();

private:
    bool openPage();
    bool closePage();
    void drawLine(const QString& text, bool startsPage);

    const PrintRequest& m_request;
    TablePage m_page;
    PageRun m_run;
    int m_left = 0;   // the column: as wide as the report's first line, centred
    int m_right = 0;
    bool m_open = false;
    bool m_grey = true;
    int m_y = 0;
};

bool TotalsTable::openPage()
{
    if (!m_run.startPage())
        return false;
    m_open = true;
    m_grey = true;  // so that a page beginning inside a block shows it grey
    m_y = m_page.dataTop();
    drawTableHeading(m_run, m_page, printJobName(PrintPage::Totals), m_request.logName);
    if (m_run.drawing()) {
        QPainter& p = m_run.painter();
        const int top = m_page.my + 2 * m_page.lh;
        const QString titles = QString::fromLatin1(totalsPeriodTitle(static_cast<int>(m_request.totalPeriod))) +
                               QString::fromLatin1(kTotalsColumnTitles);
        p.drawText(Box{m_left, top, m_right, top + m_page.lh}.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                   titles);
        p.setFont(m_page.normal);
    }
    return true;
}

bool TotalsTable::closePage()
{
    m_open = false;
    if (m_run.drawing()) {
        const int half = m_page.dpiX / 64;
        frameBox(m_run.painter(), {m_left - half, m_page.dataTop(), m_right + half, m_y}, Qt::black);
        drawPageFooter(m_run, m_page);
    }
    return m_run.endPage();
}

void TotalsTable::drawLine(const QString& text, bool startsPage)
{
    QPainter& p = m_run.painter();
    const Box row{m_left, m_y, m_right, m_y + m_page.lh};
    if (m_grey)
        fillBox(p, row, kRowGrey);
    p.setPen(Qt::black);
    p.drawText(row.rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    if (startsPage)
        lineTo(p, m_left, m_y, m_right, m_y, Qt::black);
}

PrintResult TotalsTable::print()
{
    bool firstRow = true;
    for (const TotalsLine& line : m_request.totals) {
        if (m_run.stopped())
            return m_run.result();
        if (m_open && !firstRow && m_y + m_page.lh > m_page.bodyBottom() && closePage())
            return m_run.result();
        if (!m_open) {
            if (!openPage())
                return m_run.result();
            firstRow = true;
        }
        if (startsTotalsBlock(line.text))
            m_grey = !m_grey;
        if (m_run.drawing())
            drawLine(latin1(line.text), firstRow);
        m_y += m_page.lh;
        firstRow = false;
    }
    if (m_open)
        closePage();
    m_run.finish();
    return m_run.result();
}

}  // namespace

PrintResult printTotalsTable(QPagedPaintDevice& device, const PrintRequest& request, const PrintHooks& hooks)
{
    TotalsTable table(device, request, hooks);
    return table.print();
}
