#pragma once
// The operator's XML bet file: the kept coupons or the single rows of the system, or a range
// of them, one coupon element per item with six legs of marks and reserves. The file name
// ends in the CRC-16/ARC check value of the file's content.

#include <QString>
#include <QStringList>
#include <optional>

#include "model/variabl.h"

// The most coupons one file may hold: the operator numbers them 1-9 999.
constexpr int32 MaxBetFileCoupons = 9999;

// What the bet-file window asks for.
struct BetFileRequest {
    bool allItems = true;  // else the range from..to
    int32 from = 1;
    int32 to = 1;
    bool v65 = true;  // else V64
    QString date;     // yyyy-mm-dd
    bool v6 = false;
    int32 multiplier = 1;
};

// The marks and reserves of one item, per race slot 1-7.
struct BetItemMarks {
    bool marks[RaceSlots + 1][StartNumbers + 1] = {};
    int reserveCount[RaceSlots + 1] = {};
    int reserve1[RaceSlots + 1] = {};
    int reserve2[RaceSlots + 1] = {};
};

// The lines of the file, or the Swedish message that says why none can be written.
struct BetFileContent {
    QStringList lines;
    QString refusal;  // empty when the lines can be written
};

// Items the file can hold: the single rows when the system is single rows, else the kept
// coupons.
int32 BetItemCount();
// Item 1..BetItemCount(): its marks, and its reserves by the reserve rule (fall-back,
// compacted).
BetItemMarks FillBetCouponMarks(int32 item);
// The whole file for the request, read from the tables now; refused when no system is
// constructed, the date is not a real date, the multiplier is not one the operator takes,
// or the range is empty, reversed or larger than one file may hold.
BetFileContent BuildBetFile(const BetFileRequest& request);

// A real calendar date written yyyy-mm-dd.
bool IsBetFileDate(const QString& text);
// The operator takes 1, 2, 3, 4, 5, 10, 50 and 100 systems per coupon.
bool IsBetMultiplier(int32 multiplier);

// The check value of the lines as saved (each line and CR LF), four upper-case hex digits.
QString BetFileCheckValue(const QStringList& lines);
// The name the file is saved under: the chosen name without its extension, "-", the check
// value and ".xml".
QString BetFileName(const QString& chosen, const QString& checkValue);

// The price line: "Pris, alla kup. " + rows price x multiplier + " kr"; the rows price is
// the whole number that the main window's Prisrader shows (0 when it shows none).
QString BetPriceText(const QString& rowsPrice, int32 multiplier);

// Today's date as the bet file writes it.
QString TodayBetFileDate();

inline const QString BetRangeReversedMessage = QStringLiteral("Skriva från - till? Ändra!");
