#pragma once
// Text files of the program: lists of lines in the Windows-1252 code page. Every line is
// written with CR LF after it, the last one included, and no byte-order mark; a reader takes
// CR LF, LF or a lone CR as the end of a line.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Characters outside the code page become "?".
QByteArray EncodeWindows1252(const QString& text);
QString DecodeWindows1252(const QByteArray& bytes);
// The text as the code page holds it: characters outside it become "?".
QString AsWindows1252(const QString& text);

// The lines of a text; a line break after the last line adds no empty line.
QStringList SplitTextLines(const QString& text);

// The file's lines, or nothing when the file cannot be opened or read.
std::optional<QStringList> ReadTextLines(const QString& path);
// The same for a file of at most maxBytes; a larger file is refused before it is read.
std::optional<QStringList> ReadTextLines(const QString& path, qint64 maxBytes);
// Writes the lines, replacing the file only when the whole text was written; false when the
// file could not be written (an existing file is then left as it was).
bool WriteTextLines(const QString& path, const QStringList& lines);
// Writes the bytes as they are, in the same way: beside the file first, then renamed over it.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
