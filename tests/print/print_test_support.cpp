#include "print_test_support.h"

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include <memory>

#include "log/log_store.h"
#include "views/logic/view_settings.h"

namespace printtest {

namespace {

QString run(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

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
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {path()}));
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString PdfFile::text(int page) const
{
    QStringList args{QStringLiteral("-layout")};
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << path() << QStringLiteral("-");
    return run(QStringLiteral("pdftotext"), args);
}

QImage PdfFile::image(int page) const
{
    const QString stem = m_dir.filePath(QStringLiteral("page%1").arg(page));
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(m_dpi),
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

int countColour(const QImage& image, const QColor& colour, const QRect& rect)
{
    int n = 0;
    const QRect area = rect.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += image.pixelColor(x, y) == colour ? 1 : 0;
    return n;
}

}  // namespace printtest
