#include "views/ui/streckforeduc.h"

#include <QPushButton>

#include "conditions/mainrequests.h"
#include "model/notify.h"
#include "platform/ui/kit.h"

Tstreckoreduc::Tstreckoreduc()
    : TOlderStreckGrid(QStringLiteral("Streckfördelningen i det oreducerade systemet (procent)"),
                       QSize(579, 181))
{
    setObjectName(QStringLiteral("streckoreduc"));
    Button1 = NewButton(this, QStringLiteral("Button1"),
                        QStringLiteral("Överför till \"Beräkna enkelrader\""), {44, 148, 230, 25});
    Button3 = NewButton(this, QStringLiteral("Button3"), QStringLiteral("Info"), {300, 148, 75, 25});
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Stäng"), {466, 148, 75, 25});
    connect(Button1, &QPushButton::clicked, this, &Tstreckoreduc::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &Tstreckoreduc::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &Tstreckoreduc::close);
}

void Tstreckoreduc::FormCreate()
{
    const QPoint owner = OlderSingleRowWindowPos();
    move(owner.x(), owner.y() > 192 ? owner.y() - 194 : 1);
}

void Tstreckoreduc::FormActivate()
{
    ShowShares(UnreducedShares());
}

void Tstreckoreduc::Button1Click()
{
    TransferUnreducedSharesToChances();
    Events::ReductionPointsReplaced.Emit();
}

void Tstreckoreduc::Button3Click()
{
    RequestHelp(HelpTopic::SingleRows);
}

Tstreckoreduc* streckoreduc = nullptr;
