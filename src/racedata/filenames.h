#pragma once
// File names that the save and open dialogs of the race data give.

#include <QString>

// path with the extension of its file name replaced by extension (".odg"): only the last
// one, from the file name's last point on ("a.b.txt" -> "a.b.odg"); a name without a point
// gets extension appended. Points in folder names do not count.
QString WithExtension(const QString& path, const QString& extension);
// The file name of path without its folder.
QString FileNameOf(const QString& path);
