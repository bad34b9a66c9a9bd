#include "conditions/stale.h"

#include "model/notify.h"
#include "model/variabl.h"

namespace {

const QString NoCount = QStringLiteral("x");

// Nothing that the reset would clear is shown or set: the counts read "x", no price, no system.
bool ResultsStillShownStale(const StaleResetOptions& options)
{
    const TResultLabels& shown = ResultLabels;
    return shown.Radantal == NoCount && shown.Raderoreduc == NoCount && shown.Kup == NoCount &&
           !shown.PriceVisible && CouponsBuilt == 0 && (!options.clearSingleRows || SingleRowsBuilt == 0);
}

}  // namespace

bool MarkRowsStale(const StaleResetOptions& options)
{
    const EventBatch batch;
    if (options.onceGuard) {
        const bool holdBack = ResultsStaleShown != 0 && ResultsStillShownStale(options);
        ResultsStaleShown = 1;
        if (holdBack)
            return false;
    }
    ResultLabels.Radantal = NoCount;
    ResultLabels.Raderoreduc = NoCount;
    ResultLabels.Kup = NoCount;
    ResultLabels.PriceVisible = false;
    if (options.zeroReductionGrade)
        ResultLabels.Reducgrad = QStringLiteral("0 %");
    UnreducedPercentValid = 0;
    CouponsBuilt = 0;
    if (options.clearSingleRows)
        SingleRowsBuilt = 0;
    if (options.clearRowTotals)
        RowsKept = RowsConstructed = 0;
    SystemSaved = 0;
    Events::ResultsStale.Emit();
    return true;
}

void MarkRowsStaleStartNr()
{
    MarkRowsStale(StaleStartNr);
}

void MarkRowsStaleMain()
{
    MarkRowsStale(StaleMain);
}
