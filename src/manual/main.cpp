// Builds the manual: pictures of the real pages from the sample log, then the
// PDF from the manual's text with those pictures.
//   orv_manual SAMPLE.dat MANUAL.md PICTURE_FOLDER OUT.pdf
#include <QApplication>
#include <QTextStream>
#include <clocale>

#include "manual/manual_pdf.h"
#include "manual/page_pictures.h"
#include "shell/shell_fonts.h"

int main(int argc, char** argv)
{
    // No display is needed: the pictures are painted offscreen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 5) {
        QTextStream(stderr) << "usage: orv_manual SAMPLE.dat MANUAL.md PICTURE_FOLDER OUT.pdf\n";
        return 2;
    }
    ShellFonts::installSubstitutions();
    const QStringList args = QApplication::arguments();
    if (renderPagePictures(args[1], args[3]).isEmpty()) {
        QTextStream(stderr) << "orv_manual: no page could be pictured\n";
        return 1;
    }
    if (!writeManualPdf(args[2], args[3], args[4])) {
        QTextStream(stderr) << "orv_manual: could not write " << args[4] << "\n";
        return 1;
    }
    return 0;
}
