#include "racedata/ui/atgdata.h"

#include <QLabel>
#include <QPlainTextEdit>

#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/kit.h"
#include "racedata/startlistview.h"

TATG::TATG() : VForm(QStringLiteral("Startlistor, streck och odds"), QSize(400, 300))
{
    setObjectName(QStringLiteral("ATG"));
    Rubrikbana = NewLabel(this, QStringLiteral("Rubrikbana"), QString(), {8, 4, 384, 16});
    Rubriktid = NewLabel(this, QStringLiteral("Rubriktid"), QString(), {8, 22, 384, 16});
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 42, 384, 250);
    Memo1->setFont(MonoFont(12));
    Memo1->setReadOnly(true);
    Events::SystemLoaded.Subscribe(this, [this] { ShowLoadedStartLists(); });
}

void TATG::ShowLoadedStartLists()
{
    if (RoundDataInFile != 1)
        return;
    Rubrikbana->setText(StartListHeading);
    Rubriktid->setText(QStringLiteral("Hämtad: ") + StartListFetchTime);
    Memo1->setPlainText(StartListListing().join(QLatin1Char('\n')));
}

TATG* ATG = nullptr;
