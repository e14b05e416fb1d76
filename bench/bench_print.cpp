// Printing the whole log table of the largest log into a PDF at 600 dpi,
// against the floor of drawing the same rows' texts with one drawText each
// (no wrapping, no rules, no shading) on the same kind of device. Budget: 3x.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDate>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <clocale>
#include <memory>
#include <string>

#include "bench_support.h"
#include "views/paint_style.h"
#include "views/print_job.h"
#include "views/print_tables.h"

namespace {

struct Log {
    TempFolder folder;
    std::unique_ptr<LogStore> store = std::make_unique<LogStore>();
    std::string error = openLargeLog(folder, *store);
};

const Log& largeLog()
{
    static const Log log;
    return log;
}

// A PDF writer into memory, as the tool sets one up.
struct PdfInMemory {
    QBuffer buffer;
    std::unique_ptr<QPdfWriter> writer;
    PdfInMemory()
    {
        buffer.open(QIODevice::WriteOnly);
        writer = std::make_unique<QPdfWriter>(&buffer);
        writer->setResolution(600);
        writer->setPageSize(QPageSize(QPageSize::Letter));
        writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    }
};

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void BM_PrintLogTable(benchmark::State& state)
{
    const Log& log = largeLog();
    if (!log.error.empty()) {
        state.SkipWithError(log.error.c_str());
        return;
    }
    PrintRequest request;
    request.page = PrintPage::Log;
    request.locale = QLocale::c();
    request.logName = QStringLiteral("Large.dat");
    int pages = 0;
    for (auto _ : state) {
        PdfInMemory pdf;
        pages = printLog(*pdf.writer, *log.store, request).pagesDrawn;
        benchmark::DoNotOptimize(pdf.buffer.size());
    }
    state.counters["pages"] = pages;
}

void BM_DrawRowTexts(benchmark::State& state)
{
    const Log& log = largeLog();
    if (!log.error.empty()) {
        state.SkipWithError(log.error.c_str());
        return;
    }
    const QLocale locale = QLocale::c();
    for (auto _ : state) {
        PdfInMemory pdf;
        const TablePage page = tablePage(*pdf.writer, PrintFont{});
        QPainter painter(pdf.writer.get());
        painter.setFont(page.normal);
        int y = page.dataTop();
        for (int i = 0; i < log.store->entryCount; ++i) {
            const LogEntry& e = log.store->entry(static_cast<std::size_t>(i));
            if (y + page.lh > page.bodyBottom()) {
                pdf.writer->newPage();
                y = page.dataTop();
            }
            const QDate day(static_cast<int>(e.dateKey / 10000) + 1900, static_cast<int>(e.dateKey / 100 % 100),
                            static_cast<int>(e.dateKey % 100));
            const QString texts[] = {locale.toString(day, QStringLiteral("ddd")).left(2) + QLatin1Char(' ') +
                                         latin1(e.dateText.view()),
                                     latin1(e.kindSport.view()).mid(1),
                                     latin1(e.distanceText.view()),
                                     latin1(e.timeText.view()),
                                     latin1(e.paceText.view()),
                                     latin1(e.routeText.view()),
                                     latin1(e.commentText.view())};
            int x = page.mx;
            for (const QString& text : texts) {
                painter.drawText(x, y + page.lh, text);
                x += page.dpiX;
            }
            y += page.lh;
        }
        painter.end();
        benchmark::DoNotOptimize(pdf.buffer.size());
    }
}

BENCHMARK(BM_PrintLogTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawRowTexts)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    installViewFontSubstitutions();
    return runBenchmarksWithRatios(argc, argv, {{"BM_PrintLogTable", "BM_DrawRowTexts"}});
}
