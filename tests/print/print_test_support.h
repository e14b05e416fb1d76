#pragma once

#include <QImage>
#include <QPageSize>
#include <QString>
#include <QTemporaryDir>

#include "views/print_job.h"

namespace printtest {

// A PDF of a test's own: printed at dpi on paper, read back page by page.
class PdfFile {
public:
    explicit PdfFile(int dpi = 72, const QPageSize& paper = QPageSize(QPageSize::Letter));

    PrintResult print(const LogStore& store, const PrintRequest& request, const PrintHooks& hooks = {});

    QString path() const { return m_dir.filePath(QStringLiteral("out.pdf")); }
    int pageCount() const;
    // pdftotext of one page (1-based), or of all pages for page 0.
    QString text(int page = 0) const;
    // The page rendered at the printing resolution, so pixels match device units.
    QImage image(int page) const;

    int dpi() const { return m_dpi; }
    const QPageSize& paper() const { return m_paper; }

private:
    QTemporaryDir m_dir;
    int m_dpi;
    QPageSize m_paper;
};

// A request for page with the program's default fonts.
PrintRequest defaultRequest(PrintPage page);

}  // namespace printtest
