// Feeds arbitrary bytes to the system-file reader. The reader must never crash and never
// touch a table; a file that reads is applied as a load applies it (the reset, the store and
// the tables worked out from the marks), and what the tables then hold writes back as a file
// that reads again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "model/variabl.h"
#include "sysfile/sysload.h"
#include "sysfile/systemfileformat.h"

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
    const StagedSystem after = StageCurrentSystem(SaveRoundInFile == 1);
    if (!ParseSystemFile(SystemFileBytes(after)))
        std::abort();
    return 0;
}
