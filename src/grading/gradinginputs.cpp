#include "grading/gradinginputs.h"

#include <algorithm>

#include "grading/grading.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/numbers.h"

namespace {

constexpr int32 HighestPayout = 100000000;
// Positions 1-9 of the official order always hold a horse; the later ones may be empty.
constexpr int LastPositionNeverEmpty = 9;

byte PresentGroup(int race, int startNr)
{
    return IsHorse(startNr) ? HorseGroups[race][0][startNr] : 0;
}

}  // namespace

void InvalidateGrading()
{
    Graded = 0;
}

void SetRaceWinner(int race, int startNr)
{
    if (!IsRace(race) || !IsHorse(startNr))
        return;
    const EventBatch batch;
    Graded = 0;
    CorrectRow[race] = CorrectRow[race] == startNr ? 0 : static_cast<byte>(startNr);
    WinnerMarkGroup[race] = PresentGroup(race, CorrectRow[race]);
    ChanceCorrectRow[race] = CorrectRow[race];
    Events::GradingInputsChanged.Emit();
}

void RemarkAllWinners()
{
    for (int race = 1; race <= RaceSlots; ++race)
        WinnerMarkGroup[race] = PresentGroup(race, CorrectRow[race]);
}

void ToggleScratchedHorse(int race, int startNr)
{
    if (!IsRace(race) || !IsHorse(startNr))
        return;
    flag& scratched = ScratchedInGrading[HorseIndex(race, startNr)];
    scratched = scratched == 1 ? 0 : 1;
}

QString StorePayoutText(int entry, const QString& text)
{
    if (entry < 0 || entry > 3)
        return {};
    int32 value = 0;
    if (TryParseInt(text, value) && value >= 0 && value <= HighestPayout && value != PayoutPerHits[entry]) {
        const EventBatch batch;
        PayoutPerHits[entry] = value;
        Events::GradingInputsChanged.Emit();
    }
    return AmountText(PayoutPerHits[entry]);
}

void ClickOfficialOrder(int race, int position)
{
    if (!IsRace(race) || !IsHorse(position))
        return;
    byte* order = OfficialOrder[race];
    const int previous = order[position];
    const int highest = std::clamp<int>(StartersPerRace[race], LastPositionNeverEmpty, StartNumbers);
    int next = previous;
    for (;;) {
        ++next;
        if (next > highest) {
            if (position > LastPositionNeverEmpty) {
                order[position] = 0;
                return;
            }
            next = 1;
        }
        bool heldToTheLeft = false;
        for (int p = 1; p < position; ++p)
            heldToTheLeft = heldToTheLeft || order[p] == next;
        if (!heldToTheLeft)
            break;
    }
    order[position] = static_cast<byte>(next);
    for (int q = position + 1; q <= StartNumbers; ++q)
        if (order[q] == next)
            order[q] = static_cast<byte>(previous);
}

QString OfficialOrderCaption(int race, int position)
{
    return IsRace(race) && IsHorse(position) ? QString::number(OfficialOrder[race][position]) : QString();
}

bool SavedRoundWaiting()
{
    return SaveRoundInFile == 1 && SavedRoundAux == 0;
}

void RestoreSavedRound()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        CorrectRow[race] = static_cast<byte>(SavedRoundWinners[race] & 0xFF);
        WinnerMarkGroup[race] = PresentGroup(race, CorrectRow[race]);
    }
    for (int entry = 1; entry <= 3; ++entry)
        if (SavedRoundPayouts[entry] >= 0 && SavedRoundPayouts[entry] <= HighestPayout)
            PayoutPerHits[entry] = SavedRoundPayouts[entry];
    Graded = 0;
    SavedRoundAux = 1;
}

void BeginRoundSave()
{
    SaveRoundInFile = 1;
    SavedRoundAux = 1;
}
