// Feeds arbitrary bytes to the system-file reader. The reader must never crash and never
// touch a table; a file that reads is applied as a load applies it (the reset, the store and
// the tables worked out from the marks), leaves the dummy race's start number 1 alone in
// group A and single rows that play marked horses only, and what the tables then hold writes
// back as a file that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/variabl.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfileformat.h"

namespace {

bool LoadedMarksHoldTheRows()
{
    const auto& dummy = HorseGroups[RaceSlots];
    if (dummy[0][1] != GroupA || dummy[GroupA][0] != 1)
        return false;
    for (int32 k = 1; k <= (SingleRowsBuilt == 1 ? SingleRowCount : 0); ++k)
        for (int r = 1; r <= RaceSlots; ++r)
            if (HorseGroups[r][0][RowStore[r][k]] == 0)
                return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InitializeGlobals();
    ResetGlobals();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const StagedSystem before = StageCurrentSystem(true);
    const auto parsed = ParseSystemFile(bytes);
    if (!(StageCurrentSystem(true) == before))
        std::abort();
    if (!parsed)
        return 0;
    ResetSystemBeforeLoad();
    ApplyStagedSystem(*parsed);
    RefreshTablesAfterLoad();
    if (!LoadedMarksHoldTheRows())
        std::abort();
    const StagedSystem after = StageCurrentSystem(SaveRoundInFile == 1);
    if (!ParseSystemFile(SystemFileBytes(after)))
        std::abort();
    return 0;
}
