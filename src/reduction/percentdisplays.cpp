#include "reduction/percentdisplays.h"

#include <algorithm>

#include "model/notify.h"
#include "platform/numbers.h"
#include "racedata/streck.h"

namespace {

const QString NoStreck = QStringLiteral("  0");

QString StreckCellText(const QString& text)
{
    return text.size() == 1 ? QStringLiteral("  ") + text : text;
}

}  // namespace

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

StreckGridTexts StreckRawTexts()
{
    StreckGridTexts texts;
    for (int r = 1; r <= RaceSlots; ++r) {
        std::int64_t sum = 0;
        for (int h = 1; h <= StartNumbers; ++h) {
            texts.streck[r][h] = StreckPresent == 1 ? StreckCellText(StreckTexts[r][h]) : NoStreck;
            sum += StreckValues[HorseIndex(r, h)];
        }
        texts.sums[r] = StreckPresent == 1 ? QString::number(sum) : NoStreck;
    }
    return texts;
}

void RecomputeStreckPresent()
{
    StreckPresent = StreckInEveryRace() ? 1 : 0;
    Events::StreckPresentRecomputed.Emit();
}
