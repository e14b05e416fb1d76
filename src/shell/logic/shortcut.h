#pragma once

#include <string>
#include <string_view>

#include "../../log/user_prompt.h"

// A menu entry for a log or for the program, as an XDG desktop entry in the
// "Orvanta" folder of the user's applications menu.
struct ShortcutRequest {
    std::string target;            // what the entry opens
    std::string name;              // the entry's name, also its file name
    std::string workingDirectory;  // where it starts
    std::string failureTitle;      // "Orvanta" or "Orvanta Installer"
};

// The request the desktop program makes for a log file: the name is the file
// name less its last four characters, the folder the path up to the name.
ShortcutRequest logShortcut(const std::string& logPath);
ShortcutRequest programShortcut(const std::string& installFolder, const std::string& executablePath);

// The folder the entries go into: $XDG_DATA_HOME/applications (or
// ~/.local/share/applications); empty when neither can be found.
std::string applicationsFolder();

// Writes the entry, overwriting one of the same name. Failures are reported
// through prompt with the request's title.
void createShortcut(const ShortcutRequest& request, UserPrompt& prompt);

// The desktop entry written for a request. An executable target is run
// itself; any other file (a log) is opened with xdg-open.
std::string desktopEntryText(const ShortcutRequest& request, bool executableTarget);

// A desktop entry's string value: backslashes doubled, and blanks at either
// end kept by writing them as \s (readers trim them otherwise).
std::string escapeDesktopValue(std::string_view value);

// One argument of an Exec line: quoted, with ", `, $ and \ escaped and % doubled
// (before the string escapes the whole value receives).
std::string quoteExecArgument(std::string_view argument);

inline constexpr const char* kLogShortcutTitle = "Orvanta";
inline constexpr const char* kInstallerTitle = "Orvanta Installer";
inline constexpr const char* kProgramShortcutName = "Orvanta";
inline constexpr const char* kSpecialFolderNotFound = "Special Folder not found";
inline constexpr const char* kProblemCreatingFolder = "Problem creating program file directory";
inline constexpr const char* kInstallerWarningTitle = "Halvery Software Installer";
inline constexpr const char* kCreateLinkFailure = "Create Link failure #%d";
