#pragma once
// The steps of a system load around the file's values: the reset before they are stored, the
// derived tables worked out again after them, the check of the unreduced row count, and what a
// rebuild of the loaded system leaves. The load (sysfile/systemfile.h) runs them only for a
// file that has been read and checked whole, so a refused file never reaches them.

#include <QString>

inline const QString LoadRowCountMismatchMessage = QStringLiteral("Något blev fel vid inläsningen. AVBRYT!");

// Empties the marks (the dummy race's pre-mark too; the file brings it back), the winner
// counts, the ABCD group conditions, the distribution list's "Nej" and the payout interval
// with its switch, then recounts: no system, no single rows, nothing saved. LabelKup shows
// "XX" until the load shows its counts. Start-number, points and other number conditions,
// reserves, race data and single rows are left to the file's sections.
void ResetSystemBeforeLoad();

// After the file's values are stored: the rows per pattern and per composition, the winner-count,
// distribution-list and group-condition planes, the unreduced row count and the rows after the
// group conditions, the number of ABCD group conditions in use and of active start-number
// conditions. The distribution list's cells stay as the file showed them.
void RefreshTablesAfterLoad();

// The unreduced row count worked out from the loaded marks differs from the one the file saved.
bool LoadedRowCountDiffers();

// The result labels of a loaded system before any rebuild: the single-row count,
// "enkelrader" and the single rows' price, or "x" and no price until a rebuild shows the
// coupons.
void ShowLoadedCounts();

// A rebuild of the loaded system is due: the file holds a constructed system. Its keep flags
// are kept by that rebuild only when the file carried them (a coupon count above 0).
bool LoadedSystemNeedsRebuild();

// After the rebuild in the loaded construction mode, whatever its outcome: the kept coupons,
// their rows, the reduction grade and the price from the loaded keep flags; the loaded
// selection is used up (KeepLoadedCouponSelection := 0) and the loaded system counts as saved.
void FinishLoadedRebuild();
