// File > Import... driven through the real menu command, the unknown-sport
// dialog and the preview table.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <cstdlib>
#include <memory>

#include "dialogs/import_dialog.h"
#include "log/clock.h"
#include "log/log_store.h"
#include "log/log_writer.h"
#include "modal_answers.h"
#include "scripted_dialogs.h"
#include "scripted_prompt.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "shell_rig.h"
#include "temp_dir.h"

namespace {

const std::string kLog =
    "Sports List: 2\r\nRunning\tRKmpk\r\nCycling\tBKkph\r\nPreferences: 1  1  1  1  1  1  0\r\n"
    "Routes: 0\r\nKeywords: 0\r\n"
    "06/14/24\tTR\t8K\t40:00\t5:00\tShakeout\t\r\n"
    "06/15/24\tTR\t10K\t43:00\t4:18\tRace run, typed in\t\r\n";

std::string fitFile(const char* name)
{
    return std::string(ORV_TEST_DATA_DIR) + "/fit/" + name;
}

template <typename Widget>
Widget* child(QWidget* dialog, const char* name)
{
    return dialog->findChild<Widget*>(QString::fromLatin1(name));
}

// Saves a picture of the widget when ORV_IMPORT_SHOTS names a folder.
void shoot(QWidget* widget, const char* name)
{
    if (const char* folder = std::getenv("ORV_IMPORT_SHOTS"))
        widget->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + QString::fromLatin1(name));
}

class ImportWindow : public ::testing::Test, protected ShellRig {
protected:
    ImportWindow() : ShellRig(CalendarDate{2024, 6, 20}) {}

    void SetUp() override
    {
        settingsStore.keyExists = true;
        window = std::make_unique<MainWindow>(context);
        window->resize(800, 600);
        window->show();
        const std::string path = dir.file("Tri.dat");
        writeFile(path, kLog);
        store->setFileName(path);
        window->startUp();
    }
    void TearDown() override
    {
        EXPECT_TRUE(prompt.unexpected.empty()) << "unexpected question: " << prompt.unexpected.front();
        store->modified = false;
        window.reset();
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < store->entryCount; ++i) {
            const std::string line = formatEntryLine(store->entry(i), false, *store);
            out.push_back(line.substr(0, line.size() - 2));
        }
        return out;
    }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
};

TEST_F(ImportWindow, previewShowsAddedAndSkippedRowsAndImportAddsTheTickedOnes)
{
    prompt.openNames = {fitFile("triathlon_multisport.fit")};
    std::vector<QString> askedAbout;
    ModalAnswers<ImportSportDialog> sports({
        [&](ImportSportDialog* dialog) {  // swimming: none in the log, skipped
            askedAbout.push_back(dialog->findChild<QLabel*>()->text());
            child<QAbstractButton>(dialog, "importSportSkip")->click();
        },
        [&](ImportSportDialog* dialog) {  // transition: taken as Cycling
            askedAbout.push_back(dialog->findChild<QLabel*>()->text());
            auto* box = child<QComboBox>(dialog, "importSport");
            box->setCurrentIndex(box->findText(QStringLiteral("Cycling")));
            child<QAbstractButton>(dialog, "importSportTake")->click();
        },
    });
    std::vector<std::vector<QString>> rows;
    QString summary;
    ModalAnswers<ImportPreviewDialog> preview({[&](ImportPreviewDialog* dialog) {
        QTableWidget* table = dialog->table();
        for (int row = 0; row < table->rowCount(); ++row) {
            std::vector<QString> cells;
            cells.push_back(table->item(row, 0)->checkState() == Qt::Checked ? QStringLiteral("[x]")
                                                                             : QStringLiteral("[ ]"));
            for (int column = 1; column < table->columnCount(); ++column)
                cells.push_back(table->item(row, column) ? table->item(row, column)->text() : QString());
            rows.push_back(cells);
        }
        summary = child<QLabel>(dialog, "importSummary")->text();
        shoot(dialog, "import_preview.png");
        table->item(3, 0)->setCheckState(Qt::Unchecked);  // leave the second transition out
        child<QAbstractButton>(dialog, "importAccept")->click();
    }});
    window->action(cmd::Import)->trigger();

    ASSERT_EQ(sports.answered(), 2u);
    EXPECT_EQ(askedAbout[0].toStdString(), "No sport of the log is named \"swimming\". Import its workouts as:");
    ASSERT_EQ(preview.answered(), 1u);
    ASSERT_EQ(rows.size(), 5u);
    const char* expected[5][7] = {
        {"[ ]", "2024-06-15", "swimming", "", "", "", "no such sport in the log"},
        {"[x]", "2024-06-15", "Cycling", "0.2K", "3:00", "4.0", "add"},
        {"[x]", "2024-06-15", "Cycling", "40K", "1:10:10", "34.2", "add"},
        {"[x]", "2024-06-15", "Cycling", "0.1K", "1:35", "3.8", "add"},
        {"[ ]", "2024-06-15", "Running", "10K", "43:00", "4:18", "already in the log"},
    };
    for (int row = 0; row < 5; ++row) {
        const int columns[7] = {0, 1, 2, 3, 4, 5, 8};
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(rows[row][columns[k]].toStdString(), expected[row][k]) << row << " " << k;
    }
    EXPECT_EQ(summary.toStdString(), "3 of 5 workouts will be added. Untick a row to leave it out.");
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"06/14/24\tTR\t8K\t40:00\t5:00\tShakeout\t",
                                        "06/15/24\tTR\t10K\t43:00\t4:18\tRace run, typed in\t",
                                        "06/15/24\tTB\t0.2K\t3:00\t4.0\t\t", "06/15/24\tTB\t40K\t1:10:10\t34.2\t\t"}));
    EXPECT_TRUE(store->modified);
    EXPECT_EQ(window->windowTitle().toStdString(), "The Orvanta - Tri, 4/4 entries");
    EXPECT_EQ(window->currentPage(), 1) << "imported entries are shown on the Log page";
    EXPECT_TRUE(prompt.shown.empty());
    shoot(window.get(), "log_after_import.png");
}

TEST_F(ImportWindow, cancelledPreviewAddsNothingAndUnreadableFilesAreNamed)
{
    prompt.openNames = {fitFile("bad_crc_run.fit")};
    window->action(cmd::Import)->trigger();
    ASSERT_EQ(prompt.shown.size(), 1u);
    EXPECT_EQ(prompt.shown[0].text, "These files could not be read:\n" + fitFile("bad_crc_run.fit") +
                                        ": the FIT file's checksum does not match: the file is damaged");
    EXPECT_EQ(prompt.fileQuestions.at(0).filter, UserPrompt::FileFilter::Workouts);

    prompt.openNames = {fitFile("run_5k_berlin.fit")};
    ModalAnswers<ImportPreviewDialog> preview(
        {[](ImportPreviewDialog* dialog) { child<QAbstractButton>(dialog, "importCancel")->click(); }});
    window->action(cmd::Import)->trigger();
    EXPECT_EQ(preview.answered(), 1u);
    EXPECT_EQ(store->entryCount, 2);
    EXPECT_FALSE(store->modified);
}

}  // namespace
