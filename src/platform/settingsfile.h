#pragma once
// The settings files: a handful of short lines of words, whole numbers and a font name. A
// file is read whole and every line is checked against what its place holds before any of it
// is used, so that a file that is no settings file (a binary file, a text of another kind)
// changes nothing and the user is told.

#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "platform/textfile.h"

// No settings file comes near this size; a larger one is not read at all.
inline constexpr qint64 SettingsFileMaxBytes = 4096;

inline const QString SettingsFileRefusedMessage =
    QStringLiteral("Filen %1 är ingen inställningsfil och lästes inte in. Inställningarna är oförändrade.");

// Whether a line holds what its place asks for.
using SettingsLineCheck = bool (*)(const QString&);
// Whether each line holds what the check of its place asks for; lines after the last place are
// not read.
bool EveryLineFitsItsPlace(const QStringList& lines, std::span<const SettingsLineCheck> places);

// A whole number as the files write it (TryParseInt).
bool IsSettingsNumber(const QString& line);
// A word as the files write a box, a style or a choice: letters only, at most 32 of them.
bool IsSettingsWord(const QString& line);
// A font's name: 1 to 64 printable characters.
bool IsFontName(const QString& line);

// The settings that a file gives, and the message to show (empty when there is none).
template <typename Settings>
struct SettingsFileLoad {
    Settings settings;
    QString message;
};

// Reads the settings file at path with parse (the lines to the settings, or nothing when a
// line is not what its place holds). A missing file keeps current without a word; a file
// that cannot be read, is too large or is refused keeps current and says so.
template <typename Settings, typename Parse>
SettingsFileLoad<Settings> LoadSettingsFile(const QString& path, const Settings& current, Parse parse)
{
    if (!QFileInfo::exists(path))
        return {current, QString()};
    const std::optional<QStringList> lines = ReadTextLines(path, SettingsFileMaxBytes);
    const std::optional<Settings> read = lines ? parse(*lines) : std::nullopt;
    if (!read)
        return {current, SettingsFileRefusedMessage.arg(QFileInfo(path).fileName())};
    return {*read, QString()};
}
