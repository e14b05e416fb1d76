// The commands that move entries between the log and other files: File >
// Merge, File > Archive and Special > Palm > Set Palm Download Folder.
#include <QFile>

#include "dialogs/archive_dialog.h"
#include "dialogs/training_plan_dialog.h"
#include "log/archive.h"
#include "log/download_folder.h"
#include "log/merge.h"
#include "shell/logic/training_plan.h"
#include "log/messages.h"
#include "shell/main_window.h"
#include "shell/qt_settings_store.h"

void MainWindow::onMerge()
{
    UserPrompt::FileQuestion question{msg::kSelectLogTitle, m_lastMergeFile, "", UserPrompt::FileFilter::Logs};
    const std::optional<std::string> chosen = m_context.prompt.openFileName(question);
    if (!chosen)
        return;
    m_lastMergeFile = *chosen;
    // The picker first shows today; the answer is always the plan's last day.
    const TrainingPlanQuestion askPlan = [this](int planLength) -> std::optional<CalendarDate> {
        CalendarDate lastDay = m_context.clock.today();
        if (askTrainingPlan(this, planLength, lastDay) == kPlanCancelled)
            return std::nullopt;
        return lastDay;
    };
    const MergeResult result = mergeLog(m_context.store, *chosen, m_context.prompt, askPlan);
    m_context.state.dayEntry = result.newPosition(m_context.state.dayEntry);
    refreshAfterRead();
}

void MainWindow::onArchive()
{
    LogStore& store = m_context.store;
    const int year = archiveYear(store, m_context.clock.today());
    ArchiveDialog dialog(
        year,
        [this, &store](const CalendarDate& from, const CalendarDate& to, bool removeArchived) {
            UserPrompt::FileQuestion question{msg::kNewFileTitle, kArchiveProposedName, "", UserPrompt::FileFilter::Logs};
            const std::optional<std::string> chosen = m_context.prompt.saveFileName(question);
            if (!chosen)
                return;
            SaveContext context = saveContext();
            const ArchiveResult result =
                archiveLog(store, *chosen, dateKeyOf(from), dateKeyOf(to), removeArchived, context);
            if (result.status == ArchiveStatus::IntoOpenLog)
                return;
            // The day view keeps its entry while it is there; when it went
            // to the archive the view shows the last entry.
            int& dayEntry = m_context.state.dayEntry;
            if (dayEntry >= 0) {
                dayEntry = result.newPosition(dayEntry);
                if (dayEntry < 0 && store.entryCount > 0)
                    dayEntry = store.entryCount - 1;
            }
            refreshPages();
            updateTitle();
        },
        this);
    dialog.exec();
}

void MainWindow::onSetDownloadFolder()
{
    // Written to the settings with the rest of them when the log is left.
    m_context.settings.downloadLog =
        setDownloadFolder(m_context.prompt, QFile::encodeName(hotSyncFolder()).toStdString());
}
