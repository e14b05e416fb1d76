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
constexpr double kTextPointSize = 11.0;
constexpr double kCodePointSize = 9.5;
// QTextDocument adds 2 cm of its own inside the page's margins.
constexpr double kMarginMm = 5.0;

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
        QTextBlockFormat centred = cursor.blockFormat();
        centred.setAlignment(Qt::AlignHCenter);
        cursor.setBlockFormat(centred);
    }
}

// Code and commands in the metric twin of Courier New, a size below the text,
// so that a command line sits in a sentence without shouting.
void setCodeFont(QTextDocument& document)
{
    QList<QPair<int, int>> spans;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().fontFixedPitch())
                spans.append({it.fragment().position(), it.fragment().length()});
    QTextCharFormat code;
    code.setFontFamilies({QStringLiteral("Liberation Mono")});
    code.setFontPointSize(kCodePointSize);
    for (const auto& [position, length] : spans) {
        QTextCursor cursor(&document);
        cursor.setPosition(position);
        cursor.setPosition(position + length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(code);
    }
}

bool holdsPicture(const QTextBlock& block)
{
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            return true;
    return false;
}

void breakBefore(const QTextBlock& block)
{
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    cursor.setBlockFormat(format);
}

// Every chapter after the title page starts on a page of its own, and so does
// a section that opens with a picture, so that its heading never stays behind
// at the foot of the page before.
void breakPages(QTextDocument& document)
{
    for (QTextBlock block = document.begin().next(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 1) {
            breakBefore(block);
        } else if (level > 1 && holdsPicture(block.next()) && block.previous().blockFormat().headingLevel() != 1) {
            breakBefore(block);
        }
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
    font.setPointSizeF(kTextPointSize);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    fitPictures(document, pictureFolder);
    setCodeFont(document);
    breakPages(document);

    QPdfWriter writer(pdfPath);
    writer.setTitle(QStringLiteral("The Orvanta - User's Manual"));
    writer.setCreator(QStringLiteral("The Orvanta"));
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter));
    document.print(&writer);
    return QFile::exists(pdfPath);
}
