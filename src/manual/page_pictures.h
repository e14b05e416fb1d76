#pragma once

#include <QString>
#include <QStringList>

// Opens a log in the real main window, offscreen, and saves a picture of each
// page as page-<name>.png in a folder. Returns the files written.
QStringList renderPagePictures(const QString& logPath, const QString& folder);
