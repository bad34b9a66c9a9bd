#include "reduction/payoutlimits.h"

#include <algorithm>

#include "conditions/stale.h"
#include "platform/numbers.h"

namespace {

QString ChangeLimit(int32& limit, const QString& text)
{
    limit = PayoutLimitFromText(text, limit);
    MarkRowsStale(StaleStartNr);
    return QString::number(limit);
}

}  // namespace

int32 PayoutLimitFromText(const QString& text, int32 previous)
{
    return std::clamp(IntOr(text, previous), 0, PayoutLimitCeiling);
}

QString ChangePayoutMin(const QString& text)
{
    return ChangeLimit(PayoutMin, text);
}

QString ChangePayoutMax(const QString& text)
{
    return ChangeLimit(PayoutMax, text);
}
