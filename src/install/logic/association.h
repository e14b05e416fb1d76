#pragma once

#include <string>

// Logs open with the program on a double-click: a MIME type for "*.dat", a
// desktop entry that takes it, the icon, and the user's default for the type.
inline constexpr const char* kLogMimeType = "application/x-orvanta-log";
inline constexpr const char* kLogTypeComment = "Orvanta Log";
inline constexpr const char* kAssociationEntryName = "orvanta.desktop";
inline constexpr const char* kMimePackageName = "orvanta-log.xml";
inline constexpr const char* kIconName = "orvanta";
// The hicolor name of the type's own icon (the type with "/" as "-").
inline constexpr const char* kLogTypeIconName = "application-x-orvanta-log";

// The per-user folders of the freedesktop standards, by their environment
// variables or below $HOME; empty when neither is set.
std::string dataHome();
std::string configHome();

// The shared-mime-info package that declares the type.
std::string mimePackageText();
// The desktop entry that opens a log with the installed program.
std::string associationEntryText(const std::string& installFolder);
// mimeapps.list with the type's default set to our entry: every other line
// stays as it was, including comments and the other groups.
std::string withDefaultApplication(const std::string& mimeAppsText);

// Writes the type, the entry, the icons and the default, and refreshes the
// desktop's caches when their tools are installed. Each part that cannot be
// written is left out; returns whether all of them were.
bool writeAssociation(const std::string& installFolder);
