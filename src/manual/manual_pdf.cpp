#include "manual_pdf.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

namespace {

// Pictures are drawn at most this wide (in the document's 96-per-inch units),
// so a window picture fits between the margins of a Letter page.
constexpr double kMaxPictureWidth = 600.0;
constexpr int kPdfResolution = 300;
constexpr double kMarginMm = 20.0;

// Loads every picture the text names and scales each one to the page.
void fitPictures(QTextDocument& document, const QString& pictureFolder)
{
    QList<QPair<QTextFragment, QTextImageFormat>> images;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat())
                images.append({fragment, fragment.charFormat().toImageFormat()});
        }
    for (auto& [fragment, format] : images) {
        const QString name = format.name();
        QImage image(QDir(pictureFolder).filePath(name));
        if (image.isNull()) {
            qWarning("manual: picture %s is missing", qPrintable(name));
            continue;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const double width = std::min<double>(image.width(), kMaxPictureWidth);
        format.setWidth(width);
        format.setHeight(width * image.height() / image.width());
        QTextCursor cursor(&document);
        cursor.setPosition(fragment.position());
        cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

}  // namespace

bool writeManualPdf(const QString& markdownPath, const QString& pictureFolder, const QString& pdfPath)
{
    QFile source(markdownPath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QTextDocument document;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(11);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("code { font-family: 'Liberation Mono'; }"));
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    fitPictures(document, pictureFolder);

    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("The Orvanta - User's Manual"));
    writer.setCreator(QStringLiteral("The Orvanta"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    document.print(&writer);
    return QFile::exists(pdfPath);
}
