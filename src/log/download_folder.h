#pragma once

#include <string>
#include <string_view>

#include "user_prompt.h"

inline constexpr const char* kDownloadFolderTitle = "Please locate the ORV/Palm upload/download folder";
inline constexpr const char* kDownloadProposedName = "Download.dat";
inline constexpr const char* kNotTheOrvantaFolder =
    "You did not correctly locate the \"Orvanta\" folder where data from the Palm are uploaded and downloaded.";

// The handheld takes its file from a folder named "Orvanta": the name must
// stand directly before the path's last 13 characters (a separator and a
// 12-character file name such as "Download.dat"), so the path has at least
// 20 characters.
bool isInOrvantaFolder(std::string_view path);

// Special > Palm > Set Palm Download Folder: asks for the file, starting in
// the HotSync folder (empty when the Palm desktop is not there), and gives
// the new download file: the chosen path, or empty when the question was
// cancelled or the path lies elsewhere (which is said).
std::string setDownloadFolder(UserPrompt& prompt, const std::string& hotSyncFolder);
