#pragma once

#include <optional>
#include <string>

#include "install/logic/copy_walk.h"
#include "log/user_prompt.h"
#include "shell/logic/shortcut.h"  // the installer's two message titles

// How the installer was started.
struct InstallerStart {
    std::string commandLine;    // the program and its arguments, joined by blanks
    std::string sourceFolder;   // the folder that holds the install program
    std::string defaultFolder;  // proposed in the folder question
};

// The installer's own windows, asked through one interface so that tests can
// answer them.
class InstallerUi {
public:
    enum class NextStep { Neither = 0, ReadManual = 1, RunProgram = 2 };

    virtual ~InstallerUi() = default;
    // The folder typed, or nothing for Cancel.
    virtual std::optional<std::string> askInstallFolder(const std::string& proposed) = 0;
    // Opens the "Installing files..." window for the copy, and closes it.
    virtual CopyProgress& openProgress() = 0;
    virtual void closeProgress() = 0;
    virtual NextStep askNextStep() = 0;
    virtual void openDocument(const std::string& path) = 0;
    virtual void startProgram(const std::string& path, const std::string& workingFolder) = 0;
};

enum class InstallerOutcome { Stopped, Completed };

// The whole installation, from the command-line check to the last question.
InstallerOutcome runInstaller(const InstallerStart& start, UserPrompt& prompt, InstallerUi& ui);

// $HOME/.local/opt/Orvanta for a user, /opt/Orvanta for root (or without a home).
std::string defaultInstallFolder(const char* home, bool administrator);
// The same for the user running the installer.
std::string defaultInstallFolder();

// Whether two paths name one existing folder, however they are spelled.
bool sameFolder(const std::string& a, const std::string& b);

inline constexpr const char* kProgramFile = "ORVXP";
inline constexpr const char* kManualFile = "orvwinxpman.pdf";
inline constexpr const char* kZipMarker = ".ZIP";
inline constexpr const char* kInsideZip =
    "It appears that you are attempting to run this Install program from inside a ZIP file. You must \"extract\" "
    "the files from the ZIP file into a separate folder, and then run the Install program from there.";
inline constexpr const char* kProgramMissing = "ORVXP file was not found in this folder; installation aborting.";
inline constexpr const char* kProblemCreatingInstallFolder = "Problem creating installation directory";
inline constexpr const char* kMenuQuestion = "Do you want to add The Orvanta to your Start Menu?";
inline constexpr const char* kAssociationQuestion =
    "Do you want to configure your desktop so that \".DAT\" files are assumed to be Orvanta logs (which means "
    "that when you double-click on a \".DAT\" file, it will be opened with The Orvanta)?";
inline constexpr const char* kFolderPrompt =
    "Please enter the folder into which you want to install The Orvanta software:";
inline constexpr const char* kInstallingFiles = "Installing files...";
inline constexpr const char* kStartingCopy = "Starting file copy";
inline constexpr const char* kNextStepQuestion = "What would you like to do now?";
