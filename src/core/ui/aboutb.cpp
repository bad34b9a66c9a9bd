#include "core/ui/aboutb.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QUrl>

#include "core/ui/updatenotice.h"
#include "platform/ui/kit.h"

namespace {

const HelpWindowFrame Frame{"AboutC", "Vimsta ", QSize(335, 230), Cream, Opening::Modeless};

// The program's picture: a yellow "V" on a dark blue tile.
QPixmap ProgramPicture()
{
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0, 0, 128));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    painter.setFont(SansFont(44, true));
    painter.setPen(YellowColour);
    painter.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("V"));
    return picture;
}

// The maker's web address: the host that the update notice comes from, on a line of its own;
// nothing when no address is set.
QString MakerWebAddressLine()
{
    const QString host = MakerDomain();
    return host.isEmpty() ? QString() : QStringLiteral("\n") + host;
}

}  // namespace

TAboutC::TAboutC() : HelpWindow(Frame)
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setGeometry(8, 8, 319, 177);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    SetBackground(panel, SilverColour);

    auto* icon = new QLabel(panel);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setGeometry(12, 12, 64, 64);
    icon->setPixmap(ProgramPicture());

    NewWrappedLabel(panel, QStringLiteral("ProductName"), QStringLiteral("Vimsta för V65-V64"),
                    QRect(92, 16, 215, 24), SansFont(18, true));
    NewWrappedLabel(panel, QStringLiteral("Version"), QStringLiteral("Version 18.1"), QRect(92, 48, 215, 18),
                    SansFont(13));
    NewWrappedLabel(panel, QStringLiteral("Copyright"), QStringLiteral("Copyright © Vimsta"),
                    QRect(12, 92, 295, 18), SansFont(13));
    NewWrappedLabel(panel, QStringLiteral("Comments"),
                    QStringLiteral("Ett program för att göra, reducera och rätta system på V65 och V64.") +
                        MakerWebAddressLine(),
                    QRect(12, 116, 295, 52), SansFont(12));

    auto* ok = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(130, 195, 75, 25);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TAboutC::OKButtonClick);
}

TAboutC* AboutC = nullptr;
