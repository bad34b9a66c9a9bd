#include "views/ui/infostrecken.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "platform/ui/kit.h"

namespace {

const QStringList InfoLines = {
    QString(),
    QStringLiteral("Streck är den streckfördelning som ATG redovisar, alltså "),
    QStringLiteral("streckfördelningen på kuponger och inte på rader. Det intressanta är "),
    QStringLiteral("hur strecken är fördelade på alla inlämnade rader. Från dessa siffror "),
    QStringLiteral("blir det också möjligt att uppskatta utdelningen på 7 rätt då man vet "),
    QStringLiteral("rätta raden."),
    QString(),
    QStringLiteral("Streck-100 är den uppskattade streckfördelningen på alla inlämnade "),
    QStringLiteral("rader. "),
};

}  // namespace

TInfoStreck::TInfoStreck() : VForm(QStringLiteral("Streck och Streck-100"), QSize(484, 247))
{
    setObjectName(QStringLiteral("InfoStreck"));
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(23, 18, 437, 167);
    Memo1->setFont(SansFont(13));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(InfoLines.join(QLatin1Char('\n')));
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {384, 204, 80, 25});
    connect(Button1, &QPushButton::clicked, this, &TInfoStreck::Button1Click);
}

TInfoStreck* InfoStreck = nullptr;
