#include "views/print_tables.h"

#include <QPagedPaintDevice>
#include <algorithm>

namespace {

// A font of the tables' face whose character cell (ascent and descent) is
// the given height, as a printer font asked for by cell height comes out.
QFont cellFont(const PrintFont& font, int cellHeight, QFont::Weight weight, const QPaintDevice& device)
{
    QFont f(font.name);
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setWeight(weight);
    f.setPixelSize(std::max(1, cellHeight));
    const int cell = QFontMetrics(f, &device).height();
    if (cell > cellHeight)
        f.setPixelSize(std::max(1, cellHeight * cellHeight / cell));
    return f;
}

}  // namespace

TablePage tablePage(const QPagedPaintDevice& device, const PrintFont& font)
{
    TablePage page;
    page.dpiX = device.logicalDpiX();
    page.dpiY = device.logicalDpiY();
    page.pw = device.width();
    page.ph = device.height();
    page.mx = page.dpiX / 2;
    page.my = page.dpiY / 2;
    const int cell = font.points * page.dpiY / 72;
    page.normal = cellFont(font, cell, QFont::Normal, device);
    page.bold = cellFont(font, cell, QFont::Bold, device);
    const QFontMetrics fm(page.normal, &device);
    page.leading = std::max(0, fm.leading());
    page.lh = fm.height() > 0 ? fm.height() + page.leading : page.dpiY / 8;
    return page;
}

PageRun::PageRun(QPagedPaintDevice& device, const PrintRange& range, const PrintHooks& hooks)
    : m_device(device), m_range(range), m_hooks(hooks)
{
}

PageRun::~PageRun()
{
    finish();
}

bool PageRun::startPage()
{
    ++m_page;
    m_drawing = m_page >= m_range.first && m_page <= m_range.last;
    if (!m_drawing)
        return true;
    // Beginning the painter starts the first page; later ones start here.
    if (m_painter.isActive()) {
        m_device.newPage();
    } else if (!m_painter.begin(&m_device)) {
        m_result.outcome = PrintOutcome::Failed;
        m_drawing = false;
        return false;
    }
    return true;
}

bool PageRun::endPage()
{
    ++m_result.pagesLaidOut;
    if (m_drawing) {
        ++m_result.pagesDrawn;
        if (m_hooks.pageDone)
            m_hooks.pageDone(m_page);
    }
    m_drawing = false;
    if (m_page < m_range.last)
        return false;
    finish();
    return true;
}

bool PageRun::stopped()
{
    if (!m_hooks.shouldStop || !m_hooks.shouldStop())
        return false;
    m_result.outcome = PrintOutcome::Aborted;
    if (m_painter.isActive()) {
        if (m_hooks.abortDocument)
            m_hooks.abortDocument();
        m_painter.end();
    }
    m_drawing = false;
    return true;
}

void PageRun::finish()
{
    if (m_painter.isActive())
        m_painter.end();
}

void drawTableHeading(PageRun& run, const TablePage& page, const QString& jobName, const QString& logName)
{
    if (!run.drawing())
        return;
    QPainter& p = run.painter();
    p.setFont(page.bold);
    p.setPen(Qt::black);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    p.drawText(Box{page.mx, page.my, page.pw - page.mx, page.my + page.lh}.rect(), flags, jobName);
    p.drawText(Box{page.mx, page.my + page.lh, page.pw - page.mx, page.my + 2 * page.lh}.rect(), flags, logName);
}

void drawPageFooter(PageRun& run, const TablePage& page)
{
    if (!run.drawing())
        return;
    QPainter& p = run.painter();
    p.setFont(page.normal);
    p.setPen(Qt::black);
    const Box line{page.mx, page.ph - page.my - page.lh, page.pw - page.mx, page.ph - page.my};
    p.drawText(line.rect(), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Page %1").arg(run.pageNumber()));
}

QSize wrappedSize(const QFontMetrics& fm, int width, const QString& text)
{
    if (text.isEmpty())
        return QSize(0, 0);
    // Most routes and comments fit one line: no need to lay them out twice.
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        const int advance = fm.horizontalAdvance(text);
        if (advance <= width)
            return QSize(advance, fm.height());
    }
    return fm.boundingRect(QRect(0, 0, std::max(1, width), 1 << 24), kWrapFlags, text).size();
}

void drawWrapped(QPainter& painter, const Box& box, const QString& text)
{
    // Text drawn into a rectangle is clipped to it: a word too long for its
    // column is cut at the column's edge rather than running into the next.
    if (!text.isEmpty())
        painter.drawText(box.rect(), kWrapFlags, text);
}
