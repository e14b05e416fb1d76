// File > Import...: workouts from watch, app and spreadsheet files, shown in
// a preview before they go into the log.
#include <QProgressDialog>

#include "dialogs/import_dialog.h"
#include "import/import_file.h"
#include "import/import_messages.h"
#include "import/import_plan.h"
#include "log/merge.h"
#include "log/messages.h"
#include "shell/main_window.h"

namespace {

constexpr const char* kImportFilesTitle = "Select the workout files to import";
constexpr const char* kUnreadableFiles = "These files could not be read:";
constexpr const char* kReadingFiles = "Reading workout files...";
// Fewer files than this read too fast for a progress bar to be of use.
constexpr std::size_t kFilesForProgress = 20;

}  // namespace

// Reads the files, a progress bar showing for many. Nothing when cancelled.
static std::optional<std::vector<FileSummaries>> readFiles(QWidget* owner, const std::vector<std::string>& files)
{
    std::vector<FileSummaries> read;
    read.reserve(files.size());
    std::unique_ptr<QProgressDialog> progress;
    if (files.size() >= kFilesForProgress) {
        progress = std::make_unique<QProgressDialog>(QString::fromLatin1(kReadingFiles), QStringLiteral("Cancel"), 0,
                                                     static_cast<int>(files.size()), owner);
        progress->setWindowModality(Qt::WindowModal);
        progress->setMinimumDuration(300);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress) {
            progress->setValue(static_cast<int>(i));
            if (progress->wasCanceled())
                return std::nullopt;
        }
        read.push_back(readWorkoutFile(files[i]));
    }
    return read;
}

void MainWindow::onImport()
{
    UserPrompt::FileQuestion question{kImportFilesTitle, "", "", UserPrompt::FileFilter::Workouts};
    const std::vector<std::string> files = m_context.prompt.openFileNames(question);
    if (files.empty())
        return;
    const std::optional<std::vector<FileSummaries>> read = readFiles(this, files);
    if (!read)
        return;
    std::string unreadable;
    for (std::size_t i = 0; i < files.size(); ++i)
        if ((*read)[i].failed())
            unreadable += "\n" + files[i] + ": " + (*read)[i].error;
    if (!unreadable.empty())
        m_context.prompt.message(msg::kCaption, kUnreadableFiles + unreadable, UserPrompt::Icon::Information);

    LogStore& store = m_context.store;
    const SportLookup askSport = [this, &store](const std::string& sport) {
        return askImportSport(this, store, sport);
    };
    const std::vector<ImportCandidate> candidates = planImport(*read, store, askSport);
    if (candidates.empty()) {
        if (unreadable.empty())
            m_context.prompt.message(msg::kCaption, kNoNewEntries, UserPrompt::Icon::Information);
        return;
    }
    ImportPreviewDialog preview(candidates, files, store, this);
    if (preview.exec() != QDialog::Accepted)
        return;
    std::vector<LogEntry> entries;
    for (std::size_t row : preview.chosen())
        entries.push_back(candidates[row].entry);
    if (entries.empty())
        return;
    const std::size_t wanted = entries.size();
    const int added = addImported(store, std::move(entries));
    if (static_cast<std::size_t>(added) < wanted) {
        char text[256];
        std::snprintf(text, sizeof text, importmsg::kLogFullSkipped, static_cast<int>(wanted) - added);
        m_context.prompt.message(msg::kCaption, text, UserPrompt::Icon::Warning);
    }
    if (added > 0)
        refreshAfterRead();
}
