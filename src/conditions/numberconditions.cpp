#include "conditions/numberconditions.h"

#include <algorithm>

#include "conditions/stale.h"
#include "model/variabl.h"

namespace {

// The state of a rule with a "Krav" and a "Ta bort" box after one of them was clicked.
enum RuleMode : int { NoRule = 0, RequireRule = 1, RemoveRule = 2 };

int ModeAfterClick(int mode, bool require, bool ticked)
{
    const int clicked = require ? RequireRule : RemoveRule;
    if (ticked)
        return clicked;
    return mode == clicked ? NoRule : mode;
}

int NrSetMode(int c)
{
    return NrSetCondRequire[c] == 1 ? RequireRule : NrSetCondRemove[c] == 1 ? RemoveRule : NoRule;
}

}  // namespace

void ToggleNrCountForbidden(int n, int k)
{
    NrCountForbidden[n][k] = NrCountForbidden[n][k] == 1 ? 0 : 1;
    MarkRowsStale();
}

void ToggleNrSetMark(int n, int c)
{
    NrSetCondMarks[n][c] = NrSetCondMarks[n][c] == 1 ? 0 : 1;
    MarkRowsStale();
}

void SetNrSetMode(int c, bool require, bool ticked)
{
    const int mode = ModeAfterClick(NrSetMode(c), require, ticked);
    if (mode == NrSetMode(c))
        return;
    NrSetCondRequire[c] = mode == RequireRule ? 1 : 0;
    NrSetCondRemove[c] = mode == RemoveRule ? 1 : 0;
    int inUse = 0;
    for (int s = 1; s <= NrSetConditions; ++s)
        inUse += NrSetCondRequire[s] == 1 || NrSetCondRemove[s] == 1;
    NrSetCondCount = static_cast<byte>(inUse);
    MarkRowsStale();
}

void SetNrSetHigh(int c, int value)
{
    const auto high = static_cast<byte>(std::clamp(value, 0, NrSetHighMax));
    if (high == NrSetCondHigh[c])
        return;
    NrSetCondHigh[c] = high;
    MarkRowsStale();
}

void SetNrSetLow(int c, int value)
{
    const auto low = static_cast<byte>(std::clamp(value, 0, NrSetLowMax));
    if (low == NrSetCondLow[c])
        return;
    NrSetCondLow[c] = low;
    MarkRowsStale();
}

QString NrSetCountCaption()
{
    return QStringLiteral("Villkor på nr, %1 st").arg(NrSetCondCount);
}

void ToggleEqualNrRule(int k)
{
    EqualNrRule[k] = EqualNrRule[k] == 1 ? 0 : 1;
    MarkRowsStale();
}

void ToggleOddCountForbidden(int k)
{
    OddCountForbidden[k] = OddCountForbidden[k] == 1 ? 0 : 1;
    MarkRowsStale();
}

void SetPairRule(int pairs, bool require, bool ticked)
{
    const int mode = ModeAfterClick(PairRules[pairs], require, ticked);
    if (mode == PairRules[pairs])
        return;
    PairRules[pairs] = mode;
    MarkRowsStale();
}

QString EqualNrRuleText()
{
    for (int k = 2; k <= 6; ++k)
        if (EqualNrRule[k] == 0)
            return QStringLiteral("Minst %1 lika nr").arg(k);
    return EqualNrRule[7] == 1 ? QStringLiteral("Inga rader") : QStringLiteral("Alla nr lika");
}
