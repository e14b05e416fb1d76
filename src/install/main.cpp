// The installer: copies the unpacked distribution into place, offers the menu
// entry and the log association, then the manual or the program.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <clocale>

#include "install/installer_prompt.h"
#include "install/installer_windows.h"
#include "install/logic/installer_flow.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setWindowIcon(QIcon(QApplication::applicationDirPath() + QStringLiteral("/icons/orvanta-64.png")));

    InstallerStart start;
    for (int i = 0; i < argc; ++i)
        start.commandLine += (i == 0 ? "" : " ") + std::string(argv[i]);
    start.sourceFolder = QFile::encodeName(QApplication::applicationDirPath()).toStdString();
    start.defaultFolder = defaultInstallFolder();

    InstallerPrompt prompt;
    QtInstallerUi ui;
    return runInstaller(start, prompt, ui) == InstallerOutcome::Completed ? 0 : 1;
}
