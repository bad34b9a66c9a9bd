#pragma once
// The settings of the system print-out window that "ninst.pap" keeps from one run to the
// next: six section boxes, the four margins, the line spacing and the print font. The
// file has 18 lines; line 14 records the printer's orientation and is never read back.

#include <QString>
#include <QStringList>

#include <optional>

#include "platform/printcanvas.h"
#include "platform/settingsfile.h"

inline const QString SystemPrintSettingsFileName = QStringLiteral("ninst.pap");
inline const QString SystemPrintSettingsWriteFailedMessage =
    QStringLiteral("Filen ninst.pap kunde inte skrivas.");

// The line spacing buttons, widest first: "Extra stor", "Stor", "Normal", "Liten".
enum class LineSpacing { ExtraLarge, Large, Normal, Small };

struct SystemPrintSettings {
    bool ranking = true;     // Kollarank
    bool chances = true;     // Kollachanser
    bool winners = true;     // Kollavinnare
    bool conditions = true;  // Kollavillkor
    bool rows = true;        // Kollaavskrifter: single rows or coupons
    bool ownText = true;     // Kollatext
    int topMm = 0;
    int bottomMm = 0;
    int leftMm = 0;
    int rightMm = 0;
    LineSpacing spacing = LineSpacing::Normal;
    PrintFont font;

    bool operator==(const SystemPrintSettings&) const = default;
};

// The 18 lines of the file; portrait is the printer's orientation for line 14.
QStringList SystemPrintSettingsLines(const SystemPrintSettings& settings, bool portrait);

// The settings after reading the file's lines over current, or nothing when a line is not
// what its place holds (a word, a whole number, a font's name, a size above 0). Lines 1-6 tick
// a box only on their exact word; a margin is kept within 0-999; a spacing word that matches
// none leaves the spacing; the styles of lines 15-18 replace the font's styles. A file that
// ends early (an older layout) keeps what was read before the end.
std::optional<SystemPrintSettings> ReadSystemPrintSettings(const SystemPrintSettings& current,
                                                           const QStringList& lines);

// Reads folder + "ninst.pap" over current: a missing file changes nothing; one that cannot be
// read or is refused changes nothing and gives the message to show.
using SystemPrintSettingsLoad = SettingsFileLoad<SystemPrintSettings>;
SystemPrintSettingsLoad LoadSystemPrintSettings(const SystemPrintSettings& current, const QString& folder);
// Writes folder + "ninst.pap"; the message to show when it could not be written, else empty.
QString SaveSystemPrintSettings(const SystemPrintSettings& settings, bool portrait, const QString& folder);
