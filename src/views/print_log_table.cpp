// The log as a ruled table: the selected entries in log order, one row each,
// weeks alternating white and grey, races in red, a rule where a week begins.

#include <QDate>
#include <QPagedPaintDevice>
#include <algorithm>
#include <array>

#include "log/log_store.h"
#include "views/logic/print_layout.h"
#include "views/print_tables.h"

namespace {

const QColor kRace(255, 0, 0);

// What an entry's row needs before it is known to be drawn: its wrapped
// texts and its height.
struct LogRow {
    QString route;
    QString comment;
    int height = 0;
};

class LogTable {
public:
    LogTable(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request, const PrintHooks& hooks)
        : m_store(store),
          m_request(request),
          m_page(tablePage(device, request.tableFont)),
          m_fm(m_page.normal, &device),
          m_columns(logColumns(m_page.dpiX, m_page.pw, [this](const char* t) {
              return m_fm.horizontalAdvance(QString::fromLatin1(t));
          })),
          m_run(device, request.range, hooks)
    {
    }

    PrintResult print();

private:
    LogRow row(const LogEntry& entry) const;
    bool openPage();
    bool closePage();
    void drawRow(int index, const LogRow& row);

    const LogStore& m_store;
    const PrintRequest& m_request;
    TablePage m_page;
    QFontMetrics m_fm;
    LogColumns m_columns;
    PageRun m_run;
    bool m_open = false;
    bool m_firstRow = true;
    int m_y = 0;
};

LogRow LogTable::row(const LogEntry& e) const
{
    LogRow r;
    r.route = latin1(e.routeText.view());
    r.comment = latin1(e.commentText.view());
    // A row with neither route nor comment still holds its one line.
    r.height = std::max({wrappedSize(m_fm, m_columns.route.width(), r.route).height(),
                         wrappedSize(m_fm, m_columns.comment.width(), r.comment).height(), m_fm.height()}) +
               m_page.leading;
    return r;
}

bool LogTable::openPage()
{
    if (!m_run.startPage())
        return false;
    m_open = true;
    m_firstRow = true;
    m_y = m_page.dataTop();
    drawTableHeading(m_run, m_page, printJobName(PrintPage::Log), m_request.logName);
    if (m_run.drawing()) {
        QPainter& p = m_run.painter();
        const int titleTop = m_page.my + 2 * m_page.lh;
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
        for (std::size_t c = 0; c < LogColumns::kCount; ++c) {
            const ColumnEdges& column = m_columns.column(c);
            p.drawText(Box{column.left, titleTop, column.right, titleTop + m_page.lh}.rect(), flags,
                       QString::fromLatin1(kLogColumnTitles[c]));
        }
        p.setFont(m_page.normal);
    }
    return true;
}

// The box and the column rules down to the last row, the footer; true when
// the document ended with this page.
bool LogTable::closePage()
{
    m_open = false;
    if (m_run.drawing()) {
        QPainter& p = m_run.painter();
        const int top = m_page.dataTop();
        frameBox(p, {m_page.mx, top, m_page.pw - m_page.mx, m_y}, Qt::black);
        for (int x : m_columns.rules)
            lineTo(p, x, top, x, m_y, Qt::black);
        drawPageFooter(m_run, m_page);
    }
    return m_run.endPage();
}

void LogTable::drawRow(int index, const LogRow& r)
{
    QPainter& p = m_run.painter();
    const LogEntry& e = m_store.entry(static_cast<std::size_t>(index));
    const int left = m_page.mx;
    const int right = m_page.pw - m_page.mx;
    const int bottom = m_y + r.height;
    if (e.weekIndex % 2 != 0)
        fillBox(p, {left, m_y, right, bottom}, kRowGrey);
    if (m_firstRow || (index > 0 && m_store.entry(static_cast<std::size_t>(index) - 1).weekIndex != e.weekIndex))
        lineTo(p, left, m_y, right, m_y, Qt::black);
    p.setPen(e.isRace() ? kRace : QColor(Qt::black));
    const int line = Qt::AlignTop | Qt::TextSingleLine;
    const auto in = [&](const ColumnEdges& column) { return QRect(column.left, m_y, column.width(), r.height); };
    const QDate day(static_cast<int>(e.dateKey / 10000) + 1900, static_cast<int>(e.dateKey / 100 % 100),
                    static_cast<int>(e.dateKey % 100));
    p.drawText(in(m_columns.date), Qt::AlignLeft | line,
               m_request.locale.toString(day, QStringLiteral("ddd")).left(2) + QLatin1Char(' ') +
                   latin1(e.dateText.view()));
    if (e.kindSport.size() == 2)
        p.drawText(in(m_columns.sport), Qt::AlignLeft | line, QString(QLatin1Char(e.kindSport[1])));
    for (const auto& [column, text] : {std::pair{&m_columns.distance, e.distanceText.view()},
                                       std::pair{&m_columns.time, e.timeText.view()},
                                       std::pair{&m_columns.pace, e.paceText.view()}}) {
        if (!text.empty())
            p.drawText(in(*column), Qt::AlignRight | line, latin1(text));
    }
    drawWrapped(p, {m_columns.route.left, m_y, m_columns.route.right, bottom}, r.route);
    drawWrapped(p, {m_columns.comment.left, m_y, m_columns.comment.right, bottom}, r.comment);
}

PrintResult LogTable::print()
{
    for (int i = 0; i < m_store.entryCount; ++i) {
        const LogEntry& e = m_store.entry(static_cast<std::size_t>(i));
        if (!e.selected)
            continue;
        if (m_run.stopped())
            return m_run.result();
        const LogRow r = row(e);
        // A page holds at least one row, however tall.
        if (m_open && !m_firstRow && m_y + r.height > m_page.bodyBottom() && closePage())
            return m_run.result();
        if (!m_open && !openPage())
            return m_run.result();
        if (m_run.drawing())
            drawRow(i, r);
        m_y += r.height;
        m_firstRow = false;
    }
    if (m_open)
        closePage();
    m_run.finish();
    return m_run.result();
}

}  // namespace

PrintResult printLogTable(QPagedPaintDevice& device, const LogStore& store, const PrintRequest& request,
                          const PrintHooks& hooks)
{
    LogTable table(device, store, request, hooks);
    return table.print();
}
