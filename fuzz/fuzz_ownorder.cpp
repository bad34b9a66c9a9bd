// Feeds arbitrary bytes to the own-order file reader; an accepted file must hold a
// permutation of 1-15 for every race slot.
#include <cstdint>
#include <cstdlib>

#include "platform/textfile.h"
#include "racedata/ownorderfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const OwnOrderFileResult result = ParseOwnOrderFile(SplitTextLines(DecodeWindows1252(bytes)));
    if (result.table.has_value() == !result.error.isEmpty())
        std::abort();
    if (result.table) {
        for (int r = 1; r <= RaceSlots; ++r) {
            int seen = 0;
            for (int s = 1; s <= StartNumbers; ++s) {
                const int32 h = result.table->order[r][s];
                if (h < 1 || h > StartNumbers || (seen & (1 << h)))
                    std::abort();
                seen |= 1 << h;
            }
        }
    }
    return 0;
}
