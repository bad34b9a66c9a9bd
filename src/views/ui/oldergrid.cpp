#include "views/ui/oldergrid.h"

#include <QApplication>
#include <QLabel>

#include "platform/ui/kit.h"

namespace {

const QColor Maroon{128, 0, 0};
const QColor Grey{128, 128, 128};

constexpr int GridLeft = 44;
constexpr int GridTop = 22;
constexpr int CellWidth = 30;
constexpr int CellHeight = 16;

constexpr QRect CellRect(int race, int column)
{
    return {1 + (CellWidth + 1) * (column - 1), 1 + (CellHeight + 1) * (race - 1), CellWidth, CellHeight};
}

QString CellName(int race, int horse)
{
    if (race == 6 && horse == 3)
        return QStringLiteral("l63");
    return QStringLiteral("L") + QString::number(race) + QString::number(horse);
}

}  // namespace

TOlderStreckGrid::TOlderStreckGrid(const QString& caption, QSize clientSize) : VForm(caption, clientSize)
{
    SetBackground(this, ToQColor(OlderWindowTeal));
    const QFont bold = SansFont(12, true);
    const int gridWidth = (CellWidth + 1) * (StartNumbers + 1) + 1;
    const int gridHeight = (CellHeight + 1) * RaceSlots + 1;
    NewBox(this, QString(), QString(), {GridLeft, 3, gridWidth, 18}, bold, Maroon);
    for (int horse = 1; horse <= StartNumbers; ++horse)
        Label[horse] =
            NewBox(this, QStringLiteral("Label") + QString::number(horse), QString::number(horse),
                   {GridLeft + CellRect(1, horse).left(), 4, CellWidth, 16}, bold, Maroon, Qt::white);
    Panel1 = NewBox(this, QStringLiteral("Panel1"), QString(), {GridLeft, GridTop, gridWidth, gridHeight},
                    bold, Maroon);
    for (int race = 1; race <= RaceSlots; ++race) {
        const QString heading = QStringLiteral("Avd ") + QString::number(race);
        const int top = GridTop + CellRect(race, 1).top();
        NewLabel(this, QString(), heading, {4, top, 38, CellHeight}, bold);
        NewLabel(this, QString(), heading, {GridLeft + gridWidth + 2, top, 38, CellHeight}, bold);
        for (int horse = 1; horse <= StartNumbers; ++horse)
            L[race][horse] = NewBox(Panel1, CellName(race, horse), QStringLiteral("0"), CellRect(race, horse),
                                    SansFont(12), ToQColor(OlderWindowTeal));
        LProc[race] = NewBox(Panel1, QStringLiteral("LProc") + QString::number(race), QString(),
                             CellRect(race, StartNumbers + 1), SansFont(12), Grey);
    }
}

void TOlderStreckGrid::ShowShares(const HorseShares& shares)
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int horse = 1; horse <= StartNumbers; ++horse) {
            const int share = shares[HorseIndex(race, horse)];
            L[race][horse]->setText(QString::number(share));
            SetBackground(L[race][horse], ToQColor(OlderStreckCellColour(race, horse, share)));
        }
}

// Found by name: those windows open these, so these cannot include them.
VForm* TOlderStreckGrid::WindowNamed(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String(name))
            return qobject_cast<VForm*>(window);
    return nullptr;
}

QPoint TOlderStreckGrid::OlderSingleRowWindowPos()
{
    const VForm* owner = WindowNamed("Reducerader");
    return owner ? owner->pos() : QPoint();
}
