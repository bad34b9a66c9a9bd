#include "output/ui/couponviewer.h"

#include <QLabel>
#include <QPushButton>

#include "model/colours.h"
#include "output/couponview.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "views/ui/streckford.h"

namespace {

constexpr QSize ClientSize(439, 333);
constexpr int PanelLeft = 12;
constexpr int FirstLineTop = 44;
constexpr int LineHeight = 24;

// Race slot 7's line is hidden; the row line takes its place.
int LineTop(int race)
{
    return FirstLineTop + LineHeight * (race - 1);
}

}  // namespace

TCouponViewer::TCouponViewer(bool groupViewer)
    : VForm(QStringLiteral("Se kupongerna"), ClientSize), groupViewer_(groupViewer)
{
    SetBackground(this, ToQColor(Cream));
    CentreOverMainWhenFirstShown();
    BuildPanel();
    BuildStepButtons();
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Tillbaka"), {340, 290, 80, 25});
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Streckfördelning"),
                        {320, groupViewer ? 420 : 250, 110, 25});
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    connect(Button2, &QPushButton::clicked, this, &TCouponViewer::Button2Click);
}

void TCouponViewer::BuildPanel()
{
    NewBox(this, QStringLiteral("Panel1"), QString(), {PanelLeft, 12, 296, 309}, WindowFont(), SilverColour);
    const QFont font = SansFont(13);
    NewLabel(this, QStringLiteral("Label8"), QStringLiteral("Avd"), {20, 20, 30, 17}, SansFont(13, true));
    NewLabel(this, QStringLiteral("Label1"), QStringLiteral("Startnr"), {56, 20, 60, 17}, SansFont(13, true));
    if (groupViewer_)
        NewLabel(this, QStringLiteral("Label2"), QStringLiteral("ABCD"), {178, 20, 40, 17},
                 SansFont(13, true));
    NewCentredLabel(this, QStringLiteral("Label3"), QStringLiteral("Reserv"), {226, 20, 76, 17},
                    SansFont(13, true));
    // The start numbers may run on under the next columns, which lie above them: the texts of
    // "no coupon" fill the line.
    constexpr int startWidth = 244;
    for (int race = 1; race <= RaceSlots; ++race) {
        const int top = LineTop(race);
        QWidget* line[] = {
            NewLabel(this, QStringLiteral("Label%1").arg(9 + race), QString::number(race), {24, top, 20, 17},
                     font),
            Startnr[race] = NewLabel(this, QStringLiteral("Startnr%1").arg(race), QString(),
                                     {56, top, startWidth, 17}, font),
            Reservnr[race] = NewCentredLabel(this, QStringLiteral("Reservnr%1").arg(race), QString(),
                                             {226, top, 76, 17}, font),
            ABC[race] = groupViewer_ ? NewLabel(this, QStringLiteral("ABC%1").arg(race), QString(),
                                                {178, top, 44, 17}, MonoFont(13))
                                     : nullptr,
        };
        if (race == RaceSlots)
            for (QWidget* control : line)
                if (control)
                    control->hide();
    }
    antalraderikup =
        NewLabel(this, QStringLiteral("antalraderikup"), QString(), {20, LineTop(7), 284, 17}, font);
    Kupongnummer = NewLabel(this, QStringLiteral("Kupongnummer"), QString(), {20, LineTop(8) + 20, 284, 17},
                            SansFont(13, true));
}

void TCouponViewer::BuildStepButtons()
{
    NewLabel(this, QStringLiteral("Label7"), QStringLiteral("Kupong"), {320, 24, 60, 15});
    NewLabel(this, QStringLiteral("Label5"), QStringLiteral("nummer"), {320, 39, 60, 15});
    NewLabel(this, QStringLiteral("Label6"), QStringLiteral("+1 +10  +100  +1000"), {320, 66, 116, 15});
    static constexpr int sizes[] = {0, 1, 10, 100, 1000};
    for (int n = 1; n <= 4; ++n)
        for (int up = 0; up <= 1; ++up) {
            QPushButton* button = NewButton(this,
                                            QStringLiteral("SpinButton%1%2")
                                                .arg(n)
                                                .arg(up ? QStringLiteral("Up") : QStringLiteral("Down")),
                                            up ? QStringLiteral("▲") : QStringLiteral("▼"),
                                            {322 + 27 * (n - 1), up ? 84 : 106, 24, 21}, SansFont(9));
            const int step = up ? sizes[n] : -sizes[n];
            connect(button, &QPushButton::clicked, this, [this, step] { StepClick(step); });
            StepButtons[n][up] = button;
        }
}

void TCouponViewer::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

void TCouponViewer::ResetToStartState()
{
    for (QLabel* label : {Kupongnummer, antalraderikup})
        label->clear();
    for (int race = 1; race <= RaceSlots; ++race)
        for (QLabel* label : {Startnr[race], ABC[race], Reservnr[race]})
            if (label)
                label->clear();
}

// "Se kuponger" has set the position; the window shows that coupon. A return from the row
// distribution shows the window again without a new showing, so the steps go on from the
// coupon shown.
void TCouponViewer::FormShow()
{
    ShowCurrentCoupon();
}

void TCouponViewer::ShowCurrentCoupon()
{
    const CouponViewTexts texts = groupViewer_ ? GroupCouponTexts() : RowCouponTexts();
    const auto apply = [](QLabel* label, const std::optional<QString>& text) {
        if (label && text)
            label->setText(*text);
    };
    apply(Kupongnummer, texts.kupongnummer);
    apply(antalraderikup, texts.rowLine);
    for (int race = 1; race <= RaceSlots; ++race) {
        apply(Startnr[race], texts.startnr[race]);
        apply(ABC[race], texts.abc[race]);
        apply(Reservnr[race], texts.reservnr[race]);
    }
    if (texts.mismatch)
        ShowErrorMessage(CouponMismatchAlarm);
}

void TCouponViewer::StepClick(int step)
{
    if (StepCurrentCoupon(step))
        ShowCurrentCoupon();
}

void TCouponViewer::Button2Click()
{
    Streckf->ShowModal();
}
