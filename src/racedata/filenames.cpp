#include "racedata/filenames.h"

namespace {

// Index of the first character of the file name within path.
qsizetype FileNameStart(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype backslash = path.lastIndexOf(QLatin1Char('\\'));
    return std::max(slash, backslash) + 1;
}

}  // namespace

QString WithExtension(const QString& path, const QString& extension)
{
    const qsizetype point = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype stem = point >= FileNameStart(path) ? point : path.size();
    return path.left(stem) + extension;
}

QString FileNameOf(const QString& path)
{
    return path.mid(FileNameStart(path));
}
