// The print dialog's set-up for each kind of page, and the progress window
// with its Cancel.

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "dialog_test_support.h"
#include "dialogs/print_dialog_setup.h"
#include "dialogs/print_progress_window.h"

namespace {

struct DialogCase {
    const char* name;
    int page;
    bool rangeOffered;
    QPrinter::PrintRange range;
    int from;
};

class PrintDialogSetUp : public ::testing::TestWithParam<DialogCase> {};

TEST_P(PrintDialogSetUp, offersTheRangeAndFileButNoSelection)
{
    const DialogCase& c = GetParam();
    QPrinter printer;
    PagePrintDialog dialog(printer, *printDialogSetup(c.page, 6));
    EXPECT_FALSE(dialog.testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_TRUE(dialog.testOption(QAbstractPrintDialog::PrintToFile)) << "the only way to print without a printer";
    EXPECT_EQ(dialog.testOption(QAbstractPrintDialog::PrintPageRange), c.rangeOffered);
    EXPECT_EQ(printer.printRange(), c.range);
    EXPECT_EQ(printer.fromPage(), c.from);
    EXPECT_EQ(printer.toPage(), c.from);
    EXPECT_EQ(dialog.minPage(), 1);
    EXPECT_EQ(dialog.maxPage(), 9999);
    EXPECT_EQ(pageRangeChosen(printer), c.range == QPrinter::PageRange);
    dialog.show();
    if (auto* pagesFrom = dialog.findChild<QRadioButton*>(QStringLiteral("printRange"))) {
        EXPECT_EQ(pagesFrom->isEnabled(), c.rangeOffered) << "\"Pages from\" once shown";
    }
    // The range lies under the dialog's options.
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().contains(QStringLiteral("Options")))
            button->click();
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    dialog.grab().toImage().save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/print_dialog_%1.png").arg(c.name));
}

INSTANTIATE_TEST_SUITE_P(Pages, PrintDialogSetUp,
                         ::testing::Values(DialogCase{"log", 1, true, QPrinter::AllPages, 1},
                                           DialogCase{"day_rangeChosenAtTheEntryOnShow", 2, true, QPrinter::PageRange,
                                                      7},
                                           DialogCase{"week", 3, false, QPrinter::AllPages, 1},
                                           DialogCase{"totals", 4, true, QPrinter::AllPages, 1},
                                           DialogCase{"graph", 5, false, QPrinter::AllPages, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PrintDialogAnswer, aPrinterIsAvailableAsAFileOrAKnownPrinter)
{
    QPrinter toFile;
    toFile.setOutputFormat(QPrinter::PdfFormat);
    toFile.setOutputFileName(QStringLiteral("/tmp/log.pdf"));
    EXPECT_TRUE(printerAvailable(toFile));
    toFile.setOutputFileName(QString());
    EXPECT_FALSE(printerAvailable(toFile)) << "a file without a name";
    QPrinter unknown;
    unknown.setOutputFormat(QPrinter::NativeFormat);
    unknown.setPrinterName(QStringLiteral("orvanta-test-no-such-printer"));
    EXPECT_FALSE(printerAvailable(unknown));
}

TEST(PrintProgressWindowTest, showsItselfOverItsOwner_andCancelOrEscapeStopsTheJob)
{
    QWidget owner;
    owner.show();
    PrintProgressWindow window(&owner);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.parentWidget(), nullptr) << "stays usable while the main window is disabled";
    EXPECT_EQ(window.windowTitle(), "The Orvanta");
    ASSERT_EQ(window.findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(window.findChildren<QLabel*>()[0]->text(), "Printing in Progress...");
    QPushButton* cancel = dialogtest::control<QPushButton>(&window, 1052);
    ASSERT_EQ(cancel, window.cancelButton());
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_TRUE(cancel->isDefault());
    const QImage picture = window.grab().toImage();
    EXPECT_EQ(picture.size(), QSize(372, 102));
    QDir().mkpath(QStringLiteral(ORV_DIALOG_SHOTS_DIR));
    picture.save(QStringLiteral(ORV_DIALOG_SHOTS_DIR "/print_progress.png"));

    EXPECT_FALSE(window.cancelled());
    cancel->click();
    EXPECT_TRUE(window.cancelled());
    EXPECT_FALSE(window.isVisible());
    PrintProgressWindow byKey(nullptr);
    QTest::keyClick(&byKey, Qt::Key_Escape);
    EXPECT_TRUE(byKey.cancelled());
}

}  // namespace
