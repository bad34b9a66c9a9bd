#include "racedata/ui/streckgrid.h"

#include <QLabel>

#include "model/domain.h"
#include "racedata/streck.h"

void PaintStreckRace(int race, QLabel* const* cells, QLabel* sum)
{
    for (int horse = 1; horse <= StartNumbers; ++horse)
        cells[horse]->setText(StreckCellText(race, horse));
    sum->setText(StreckSumText(race));
}
