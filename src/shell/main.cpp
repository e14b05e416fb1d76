// The desktop program: one running instance per user, one log at a time.
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <memory>
#include <utility>

#include "log/clock.h"
#include "log/log_store.h"
#include "shell/app_context.h"
#include "shell/early_log_read.h"
#include "shell/logic/app_settings.h"
#include "shell/logic/command_line.h"
#include "shell/main_window.h"
#include "shell/png_icon.h"
#include "shell/qt_settings_store.h"
#include "shell/qt_user_prompt.h"
#include "shell/shell_dialogs.h"
#include "shell/single_instance.h"

namespace {

const QString kRunningAloneWarning = QStringLiteral(
    "ORVXP: warning: cannot make the socket that lets a later start hand its log to this one (%1); "
    "running alone.");

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Numbers in a log never follow the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("The Orvanta"));
    QApplication::setWindowIcon(pngIcon(QStringLiteral(":/icons/orvanta-64.png")));
    ShellFonts::installSubstitutions();

    const std::optional<std::string> named = logFromCommandLine(joinArguments(argc, argv));

    // A test names its own instance so it never meets the user's running one.
    SingleInstance instance(qEnvironmentVariableIsSet("ORVANTA_INSTANCE") ? qEnvironmentVariable("ORVANTA_INSTANCE")
                                                                          : SingleInstance::defaultName());
    const SingleInstance::Role role = instance.listen();
    if (role == SingleInstance::Role::Later) {
        // Another start is running: it opens our log, if we name one.
        instance.handOver(named ? QFile::decodeName(named->c_str()) : QString());
        return 0;
    }
    if (role == SingleInstance::Role::Alone)
        std::fprintf(stderr, "%s\n", kRunningAloneWarning.arg(instance.errorString()).toLocal8Bit().constData());

    QtSettingsStore settingsStore;
    const QRect area = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                        : QRect(0, 0, 1024, 768);
    AppSettings settings = loadSettings(settingsStore, ScreenRect{area.x(), area.y(), area.width(), area.height()});
    settingsStore.sync();

    auto store = std::make_unique<LogStore>();
    store->setFileName(settings.defaultLog);
    if (named)
        store->setFileName(*named);
    // The log is read on a thread of its own while the window is made; the
    // window takes it over once it shows.
    std::unique_ptr<EarlyLogRead> early;
    if (!store->fileName.empty()) {
        ReadOptions options;
        options.isDefaultLog = true;
        options.calorieSportNames = settings.calorieSportNames();
        early = std::make_unique<EarlyLogRead>(store->fileName, std::move(options));
    }

    QtUserPrompt prompt;
    SystemClock clock;
    ShellState state;
    QtShellDialogs dialogs;
    ShellFonts fonts = ShellFonts::create();
    AppContext context{*store, settings, settingsStore, prompt, clock, state, dialogs, fonts};

    MainWindow window(context);
    prompt.setOwner(&window);
    const ScreenRect rect = settings.mainWindowRect();
    window.setGeometry(rect.x, rect.y, rect.width, rect.height);
    window.show();

    instance.setHandler(
        [&window](const QString& path) { window.openHandedOver(std::string(QFile::encodeName(path).constData())); });
    // One thing at a time: a log handed over while a dialog or a command is
    // running waits until it is done.
    instance.setReadyCheck([&window] { return window.readyForHandOver(); });
    instance.setOpenLogProvider([&store] { return QFile::decodeName(store->fileName.c_str()); });
    QTimer::singleShot(0, &window, [&window, &early] {
        window.startUp(early.get());
        early.reset();
    });
    const int code = app.exec();
    settingsStore.sync();
    return code;
}
