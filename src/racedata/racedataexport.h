#pragma once
// The race data as a comma-separated text file for spreadsheet programs, in start-number
// order: the heading, the fetch time, and per race slot a title line, one line per horse in
// the start list and an empty line.

#include <QString>
#include <QStringList>

// text in double quotes, every double quote inside it doubled, so that a reader gets back
// exactly text.
QString CsvField(const QString& text);
// The fields, each quoted, joined by commas.
QString CsvLine(const QStringList& fields);

// The lines of the file from the race-data tables.
QStringList RaceDataCsvLines();

inline const QString NoStartListToExportMessage = QStringLiteral("Läs in startlistan först!");
