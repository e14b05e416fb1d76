#pragma once

#include <QIcon>
#include <QString>

// An icon from one of the program's own PNG pictures, read as PNG straight
// away. QIcon(path) asks every image plugin installed whether it knows the
// file, loading each of them, which costs the start a few milliseconds for
// pictures whose kind we already know. A null icon when the file is missing.
QIcon pngIcon(const QString& path);
