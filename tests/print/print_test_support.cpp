#include "print_test_support.h"

#include <QPdfWriter>

#include <memory>

#include "log/log_store.h"
#include "pdf_tools.h"
#include "views/logic/view_settings.h"

namespace printtest {

PdfFile::PdfFile(int dpi, const QPageSize& paper) : m_dpi(dpi), m_paper(paper) {}

PrintResult PdfFile::print(const LogStore& store, const PrintRequest& request, const PrintHooks& hooks)
{
    QPdfWriter writer(path());
    writer.setResolution(m_dpi);
    writer.setPageSize(m_paper);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return printLog(writer, store, request, hooks);
}

int PdfFile::pageCount() const
{
    return pdftools::pageCount(path());
}

QString PdfFile::text(int page) const
{
    return pdftools::text(path(), page);
}

QImage PdfFile::image(int page) const
{
    const QString stem = m_dir.filePath(QStringLiteral("page%1").arg(page));
    pdftools::run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(m_dpi),
                                     QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                     QString::number(page), QStringLiteral("-singlefile"), path(), stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

PrintRequest defaultRequest(PrintPage page)
{
    const auto empty = std::make_unique<LogStore>();
    PrintRequest request = printRequestFrom(ViewSettings{}, page, *empty, QLocale::c());
    request.logName = QStringLiteral("/logs/test.dat");
    return request;
}

}  // namespace printtest
