#include "installer_flow.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "install/logic/association.h"
#include "shell/logic/shortcut.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUserPrograms = "/.local/opt";
constexpr const char* kSystemPrograms = "/opt";
constexpr const char* kProductFolder = "/Orvanta";

void warn(UserPrompt& prompt, const char* text)
{
    prompt.message(kInstallerWarningTitle, text, UserPrompt::Icon::Warning, UserPrompt::Buttons::Ok,
                   UserPrompt::Answer::Ok);
}

bool askYes(UserPrompt& prompt, const char* text)
{
    return prompt.message(kInstallerTitle, text, UserPrompt::Icon::Question, UserPrompt::Buttons::YesNo,
                          UserPrompt::Answer::Yes) == UserPrompt::Answer::Yes;
}

bool isFolder(const std::string& path)
{
    std::error_code error;
    return fs::is_directory(path, error);
}

// The folder is made one level deep: a typed path whose parent is missing
// fails. The proposed folder's parent is the system's place for programs,
// which a fresh account may not have yet, so that one is made first.
bool makeInstallFolder(const std::string& folder, const std::string& proposed)
{
    if (isFolder(folder))
        return true;
    if (folder == proposed) {
        std::error_code error;
        fs::create_directories(fs::path(folder).parent_path(), error);
    }
    ::mkdir(folder.c_str(), 0755);
    return isFolder(folder);
}

}  // namespace

std::string defaultInstallFolder(const char* home, bool administrator)
{
    if (!administrator && home != nullptr && home[0] == '/')
        return std::string(home) + kUserPrograms + kProductFolder;
    return std::string(kSystemPrograms) + kProductFolder;
}

std::string defaultInstallFolder()
{
    return defaultInstallFolder(std::getenv("HOME"), ::geteuid() == 0);
}

bool sameFolder(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    std::error_code error;
    return fs::equivalent(a, b, error) && !error;
}

InstallerOutcome runInstaller(const InstallerStart& start, UserPrompt& prompt, InstallerUi& ui)
{
    if (start.commandLine.find(kZipMarker) != std::string::npos) {
        warn(prompt, kInsideZip);
        return InstallerOutcome::Stopped;
    }
    if (!fs::exists(start.sourceFolder + "/" + kProgramFile)) {
        warn(prompt, kProgramMissing);
        return InstallerOutcome::Stopped;
    }
    const std::optional<std::string> chosen = ui.askInstallFolder(start.defaultFolder);
    if (!chosen)
        return InstallerOutcome::Stopped;
    const std::string& folder = *chosen;
    if (!makeInstallFolder(folder, start.defaultFolder)) {
        warn(prompt, kProblemCreatingInstallFolder);
        return InstallerOutcome::Stopped;
    }
    // Copying a folder onto itself would delete each program before copying
    // it, so the same folder under another spelling counts as the same.
    if (!sameFolder(folder, start.sourceFolder)) {
        copyTree(start.sourceFolder, folder, ui.openProgress());
        ui.closeProgress();
    }

    const std::string program = folder + "/" + kProgramFile;
    if (askYes(prompt, kMenuQuestion))
        createShortcut(programShortcut(folder, program), prompt);
    if (askYes(prompt, kAssociationQuestion))
        writeAssociation(folder);

    switch (ui.askNextStep()) {
        case InstallerUi::NextStep::RunProgram:
            ui.startProgram(program, folder);
            break;
        case InstallerUi::NextStep::ReadManual:
            ui.openDocument(folder + "/" + kManualFile);
            break;
        case InstallerUi::NextStep::Neither:
            break;
    }
    return InstallerOutcome::Completed;
}
