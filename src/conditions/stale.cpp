#include "conditions/stale.h"

#include "model/notify.h"
#include "model/variabl.h"

bool MarkRowsStale(const StaleResetOptions& options)
{
    const EventBatch batch;
    if (options.onceGuard) {
        const bool alreadyShown = ResultsStaleShown != 0;
        ResultsStaleShown = 1;
        if (alreadyShown)
            return false;
    }
    ResultLabels.Radantal = QStringLiteral("x");
    ResultLabels.Raderoreduc = QStringLiteral("x");
    ResultLabels.Kup = QStringLiteral("x");
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
