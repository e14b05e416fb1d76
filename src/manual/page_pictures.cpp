#include "page_pictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <memory>

#include "log/clock.h"
#include "log/log_store.h"
#include "log/settings_store.h"
#include "shell/app_context.h"
#include "shell/logic/app_settings.h"
#include "shell/main_window.h"
#include "shell/shell_dialogs.h"

namespace {

// The pictures are taken without a person: a question would be a fault in the
// sample log, so it is printed and answered with its default.
class SilentPrompt : public UserPrompt {
public:
    Answer message(const std::string& caption, const std::string& text, Icon, Buttons, Answer answer) override
    {
        qWarning("%s: %s", caption.c_str(), text.c_str());
        return answer;
    }
    std::optional<std::string> saveFileName(const FileQuestion&) override { return std::nullopt; }
    std::optional<std::string> openFileName(const FileQuestion&) override { return std::nullopt; }
    void busy(bool) override {}
};

// The tab order of the main window's pages.
const char* const kPageNames[] = {"data-entry", "log", "day", "week", "totals", "graph", "select"};
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 600;

}  // namespace

QStringList renderPagePictures(const QString& logPath, const QString& folder)
{
    QDir().mkpath(folder);
    auto store = std::make_unique<LogStore>();
    AppSettings settings = defaultSettings();
    MemorySettingsStore settingsStore;
    settingsStore.keyExists = true;
    SilentPrompt prompt;
    SystemClock clock;
    ShellState state;
    QtShellDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};

    MainWindow window(context);
    window.resize(kWindowWidth, kWindowHeight);
    window.show();
    store->setFileName(std::string(QFile::encodeName(logPath).constData()));
    window.startUp();

    QStringList written;
    for (int index = 0; index < static_cast<int>(std::size(kPageNames)); ++index) {
        window.switchToPage(index);
        QApplication::processEvents();
        const QString file = QDir(folder).filePath(QStringLiteral("page-%1.png").arg(QLatin1String(kPageNames[index])));
        if (window.grab().toImage().save(file))
            written << file;
    }
    store->modified = false;  // the pictures change nothing; nothing to ask on closing
    return written;
}
