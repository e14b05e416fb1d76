#pragma once

#include <QString>

// Lays out the manual's Markdown with its pictures (names relative to
// pictureFolder) and writes it as a Letter-size PDF with page numbers.
bool writeManualPdf(const QString& markdownPath, const QString& pictureFolder, const QString& pdfPath);
