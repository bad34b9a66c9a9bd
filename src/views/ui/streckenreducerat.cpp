#include "views/ui/streckenreducerat.h"

#include <QPushButton>

#include "platform/ui/kit.h"

TStreckreducerat::TStreckreducerat()
    : TOlderStreckGrid(QStringLiteral("Streckfördelningen i det reducerade systemet (procent)"),
                       QSize(579, 185))
{
    setObjectName(QStringLiteral("Streckreducerat"));
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Stäng"), {466, 150, 75, 25});
    connect(Button2, &QPushButton::clicked, this, &TStreckreducerat::close);
}

void TStreckreducerat::FormCreate()
{
    const QPoint owner = OlderSingleRowWindowPos();
    move(owner.x(), owner.y() + 247);
}

// Without single rows every cell keeps what it showed.
void TStreckreducerat::FormActivate()
{
    if (const auto shares = ReducedShares())
        ShowShares(*shares);
}

TStreckreducerat* Streckreducerat = nullptr;
