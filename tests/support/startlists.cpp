#include "support/startlists.h"

#include "model/variabl.h"

void FillRace3()
{
    const int32 streck[] = {13, 39, 26, 26};
    for (int h = 1; h <= 4; ++h) {
        HorseNames[3][h] = QStringLiteral("%1 Häst%1").arg(h);
        DriverNames[3][h] = QStringLiteral("Kusk%1").arg(h);
        StreckValues[HorseIndex(3, h)] = streck[h - 1];
        StreckTexts[3][h] = QStringLiteral("%1%").arg(streck[h - 1]);
        HorsePresent[HorseIndex(3, h)] = 1;
    }
}
