#include "conditions/startnrconditions.h"

#include <algorithm>

#include "conditions/stale.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

void ConditionsChanged()
{
    Events::StartNrConditionsChanged.Emit();
}

bool HorseInGroup(int r, int n)
{
    return IsGroup(HorseGroups[r][0][n]);
}

void ClearCondition(int c)
{
    for (int r = 0; r <= RaceSlots; ++r)
        for (int n = 0; n <= StartNumbers; ++n)
            StartNrCondMarks[r][n][c] = 0;
    for (int k = 0; k < StartNrHitCounts; ++k)
        StartNrCondForbiddenCounts[k][c] = 0;
    StartNrCondComments[c] = QString();
}

}  // namespace

int StartNrCondMarkedSlots(int c)
{
    int slots = 0;
    for (int r = 1; r <= RaceSlots; ++r) {
        bool marked = false;
        for (int n = 1; n <= StartNumbers && !marked; ++n)
            marked = StartNrCondMarks[r][n][c] == 1;
        slots += marked;
    }
    return slots;
}

void UpdateStartNrConditionUsage(int c)
{
    const int slots = StartNrCondMarkedSlots(c);
    const flag used = slots > 0 ? 1 : 0;
    if (StartNrCondUsed[c] != used) {
        StartNrCondUsed[c] = used;
        StartNrCondUsedCount += used ? 1 : -1;
    }
    for (int k = 0; k < StartNrHitCounts; ++k)
        StartNrCondUnreachableCounts[k][c] = (k > slots || slots == 0) ? 1 : 0;
}

int UpdateActiveConditionCount()
{
    int active = 0;
    for (int c = 1; c <= ConditionCount; ++c)
        active += StartNrCondActive[c] == 1;
    StartNrCondActiveCount = active;
    return active;
}

void RefreshStartNrConditionsOnActivation()
{
    UpdateActiveConditionCount();
    StartNrCondClipboardFilled = 0;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            if (!HorseInGroup(r, n))
                for (int c = 1; c <= ConditionCount; ++c)
                    StartNrCondMarks[r][n][c] = 0;
    for (int c = 1; c <= ConditionCount; ++c)
        UpdateStartNrConditionUsage(c);
    ConditionsChanged();
}

bool PressStartNrMark(int c, int panel, int r, int n)
{
    ClickedStartNrCode = 1000 * panel + 100 * r + n;
    if (!HorseInGroup(r, n))
        return false;
    StartNrCondActive[c] = 1;
    UpdateActiveConditionCount();
    StartNrCondMarks[r][n][c] ^= 1;
    UpdateStartNrConditionUsage(c);
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

bool ToggleStartNrForbiddenCount(int c, int k)
{
    if (StartNrCondUnreachableCounts[k][c] == 1)
        return false;
    StartNrCondForbiddenCounts[k][c] ^= 1;
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

bool SetStartNrConditionActive(int c, bool active)
{
    const flag value = active ? 1 : 0;
    if (StartNrCondActive[c] == value)
        return false;
    StartNrCondActive[c] = value;
    UpdateActiveConditionCount();
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

void SetStartNrConditionComment(int c, const QString& text)
{
    StartNrCondComments[c] = DecodeWindows1252(EncodeWindows1252(text)).left(StartNrCommentLength);
}

void CopyStartNrCondition(int c, const QString& comment)
{
    for (int k = 0; k < StartNrHitCounts; ++k)
        StartNrCondClipboard.ForbiddenCounts[k] = StartNrCondForbiddenCounts[k][c];
    for (int r = 0; r <= RaceSlots; ++r)
        for (int n = 0; n <= StartNumbers; ++n)
            StartNrCondClipboard.Marks[r][n] = StartNrCondMarks[r][n][c];
    StartNrCondClipboardComment = comment;
    StartNrCondClipboardFilled = 1;
}

bool PasteStartNrCondition(int c)
{
    if (StartNrCondClipboardFilled != 1)
        return false;
    for (int k = 0; k < StartNrHitCounts; ++k)
        StartNrCondForbiddenCounts[k][c] = StartNrCondClipboard.ForbiddenCounts[k];
    for (int r = 0; r <= RaceSlots; ++r)
        for (int n = 1; n <= StartNumbers; ++n)
            StartNrCondMarks[r][n][c] = StartNrCondClipboard.Marks[r][n];
    SetStartNrConditionComment(c, StartNrCondClipboardComment);
    UpdateStartNrConditionUsage(c);
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

void DeleteStartNrCondition(int c)
{
    ClearCondition(c);
    UpdateStartNrConditionUsage(c);
    MarkRowsStaleStartNr();
    ConditionsChanged();
}

void ClearAllStartNrConditions()
{
    MarkRowsStaleStartNr();
    for (int c = 0; c <= ConditionCount; ++c) {
        ClearCondition(c);
        StartNrCondUsed[c] = 0;
        for (int k = 0; k < StartNrHitCounts; ++k)
            StartNrCondUnreachableCounts[k][c] = 1;
    }
    StartNrCondUsedCount = 0;
    ConditionsChanged();
}

int StartNrMarkGroup(int c, int r, int n)
{
    return StartNrCondMarks[r][n][c] == 1 ? HorseGroups[r][0][n] : 0;
}

CountLook StartNrCountLook(int c, int k)
{
    if (StartNrCondUnreachableCounts[k][c] == 1)
        return CountLook::Impossible;
    return StartNrCondForbiddenCounts[k][c] == 1 ? CountLook::Forbidden : CountLook::Allowed;
}

QString StartNrUsedHeading()
{
    return QStringLiteral("Villkor på startnr, %1 st").arg(StartNrCondUsedCount);
}

QString StartNrActiveCaption()
{
    return QStringLiteral("aktiva: %1 st").arg(StartNrCondActiveCount);
}

// ---- Groups ----

bool SetConditionGroupActive(int g, bool active)
{
    const flag value = active ? 1 : 0;
    if (ConditionGroupActive[g] == value)
        return false;
    ConditionGroupActive[g] = value;
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

bool SetConditionGroupMember(int g, int c, bool member)
{
    const flag value = member ? 1 : 0;
    if (ConditionGroupMembers[g][c] == value)
        return false;
    ConditionGroupMembers[g][c] = value;
    MarkRowsStaleStartNr();
    ConditionsChanged();
    return true;
}

bool ConditionGroupBoxEnabled(int c)
{
    return StartNrCondActive[c] == 1;
}

byte GroupLimitFromText(const QString& text, byte stored)
{
    std::int32_t value = 0;
    return TryParseInt(text, value) ? static_cast<byte>(std::clamp(value, 0, 100)) : stored;
}

bool TakeConditionGroupLimit(int index, const QString& text)
{
    std::int32_t parsed = 0;
    const bool readable = text.isEmpty() || TryParseInt(text, parsed);
    const byte value = GroupLimitFromText(text, ConditionGroupLimits[index]);
    if (value != ConditionGroupLimits[index]) {
        ConditionGroupLimits[index] = value;
        MarkRowsStaleStartNr();
        ConditionsChanged();
    }
    return readable;
}

bool ConditionGroupLimitTextDiffers(int index, const QString& text)
{
    return text != QString::number(ConditionGroupLimits[index]);
}
