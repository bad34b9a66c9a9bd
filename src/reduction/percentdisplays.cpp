#include "reduction/percentdisplays.h"

#include <algorithm>

#include "model/notify.h"
#include "model/variabl.h"
#include "platform/numbers.h"

void ShowReducedPercentages()
{
    const int32 rows = std::min(SingleRowCount, RowStoreEntries);
    if (rows <= 0)
        return;
    for (int r = 1; r <= RaceSlots; ++r) {
        std::array<std::int64_t, StartNumbers + 1> count{};
        for (int32 k = 1; k <= rows; ++k) {
            const int32 h = RowStore[r][k];
            if (h >= 1 && h <= StartNumbers)
                ++count[h];
        }
        for (int h = 1; h <= StartNumbers; ++h)
            SystemStreckPercent[HorseIndex(r, h)] = static_cast<byte>(PercentHalfEven(count[h], rows));
    }
    Events::SystemStreckPercentChanged.Emit();
}
