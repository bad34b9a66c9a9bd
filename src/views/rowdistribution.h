#pragma once
// The row distribution view: per race slot and start number the rows of the constructed
// system that play the horse, before the manual coupon reduction (RowsPerHorseUnreduced) or
// after it (RowsPerHorseKept, counted here over the kept coupons), as counts or percentages.
// The view state is StreckViewUnreduced, StreckViewCounts and StreckKeptComputed.

#include <QString>

#include "model/variabl.h"

inline const QString RowDistributionAlarm = QStringLiteral("Något är fel. Avbryt programmet!");

// Adds coupon 1..CouponCount's rows per horse to RowsPerHorseKept: each of its horses in a race
// slot gets the coupon's row count divided by the number of its horses there, rounded half to
// even. False when the coupon's horses do not multiply to its row count (it is still added).
bool AddMaskCouponToDistribution(int32 coupon);
bool AddGroupCouponToDistribution(int32 coupon);

// RowsPerHorseKept anew over the kept coupons; false when some coupon did not match its row
// count (the window then shows RowDistributionAlarm once).
bool ComputeRowsPerHorseKept();

// The view the flags select, and its title on screen.
QString RowDistributionTitle();
// What cell (race slot 1-7, start number 1-15) shows in the view the flags select.
QString RowDistributionCell(int race, int horse);
// A share in whole percent, halves to even; "0 %" when the total is 0.
QString RowSharePercentText(int32 count, int32 total);

// The view operations: each sets both view flags.
void SelectRowCountsBefore();
void SelectRowCountsAfter();
void SelectRowPercentBefore();
void SelectRowPercentAfter();
// Switches between counts and percentages, keeping before or after.
void ToggleRowDistributionUnit();

// The print-out: the heading line, the view title with " [%]" in a percent view, and what a
// cell prints ("100 %" -> "100", other percentages their first two characters).
QString RowDistributionPrintHeading();
QString RowDistributionPrintTitle();
QString RowDistributionPrintCell(const QString& screenText);
