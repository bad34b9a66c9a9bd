// Any pasted text, for any race, must give a message or an import of what it can read: never
// a crash, a hang or a value outside what the tables may hold. A refused text changes nothing.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "racedata/startlistimport.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

StartListState FilledState()
{
    StartListState state;
    for (int h = 1; h <= StartNumbers; ++h)
        state.horses[h] = {QStringLiteral("%1 Häst").arg(h),
                           QStringLiteral("Kusk"),
                           QStringLiteral("2,0"),
                           QStringLiteral("5%"),
                           5,
                           2,
                           false,
                           true};
    state.heading = QStringLiteral("Rubrik");
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int race = 1 + data[0] % 6;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    static const StartListState current = FilledState();
    const StartListImport result = ImportStartList(text, race, current);
    if (!result.accepted) {
        Require(result.state == current);
        return 0;
    }
    for (int h = 1; h <= StartNumbers; ++h) {
        const StartListHorse& horse = result.state.horses[h];
        Require(horse.streck >= 0 && horse.streck <= 100);
        Require(horse.odds >= 0);
        Require(OddsHundredthsOf(horse.oddsText) >= 0);
        Require(!horse.scratched || horse.oddsText == QStringLiteral("EJ"));
    }
    Require(result.state.gameType == QStringLiteral("v65") || result.state.gameType == QStringLiteral("v64"));
    return 0;
}
