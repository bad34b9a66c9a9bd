#include "conditions/ui/ordn.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "conditions/horseorder.h"
#include "platform/numbers.h"
#include "platform/ui/colours.h"
#include "platform/ui/kit.h"

TOrdningsf* Ordningsf = nullptr;

namespace {

constexpr int LineTops[StartNumbers + 1] = {0,   53,  68,  83,  101, 116, 131, 149,
                                            164, 179, 197, 212, 227, 245, 260, 275};
const QColor Maroon{128, 0, 0};

// The listing as laid out, centred in a window wide enough that a title bar with an icon and
// three buttons shows the caption "Ordningsföljd" whole; the window grows to the left of its
// designed place.
constexpr QSize ListingSize{114, 408};
constexpr int WindowWidth = 214;
constexpr int ListingLeft = (WindowWidth - ListingSize.width()) / 2;

struct RaceButton {
    const char* name;
    int left, top;
};
// Button2 is "Stäng", so the race buttons of slots 2-7 are Button3 .. Button8.
constexpr RaceButton RaceButtonPlaces[RaceSlots + 1] = {
    {"", 0, 0},           {"Button1", 19, 320}, {"Button3", 38, 320}, {"Button4", 57, 320},
    {"Button5", 76, 320}, {"Button6", 28, 339}, {"Button7", 47, 339}, {"Button8", 66, 339},
};

// The maroon frame and rules of the listing.
constexpr QRect FrameLines[] = {
    {8, 8, 99, 1},  {8, 312, 99, 1}, {8, 8, 1, 305},  {106, 8, 1, 305},
    {8, 29, 99, 1}, {8, 49, 99, 1},  {8, 291, 99, 1}, {34, 29, 1, 264},
};

}  // namespace

TOrdningsf::TOrdningsf() : VForm(QStringLiteral("Ordningsföljd"), QSize(WindowWidth, ListingSize.height()))
{
    setObjectName(QStringLiteral("Ordningsf"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetBackground(this, SilverColour);
    move(635 - (WindowWidth - ListingSize.width()), 28);
    auto* listing = new QWidget(this);
    listing->setObjectName(QStringLiteral("Listing"));
    listing->setGeometry(QRect(QPoint(ListingLeft, 0), ListingSize));
    const QFont font = SansFont(12);
    const QFont italic = [&font] {
        QFont f = font;
        f.setItalic(true);
        return f;
    }();
    int shape = 1;
    for (const QRect& rect : FrameLines) {
        QLabel* line = NewBox(listing, QStringLiteral("Shape%1").arg(shape++), QString(), rect, font, Maroon);
        line->lower();
    }
    rubrik = NewLabel(listing, QStringLiteral("rubrik"), QStringLiteral("Välj avd."), {13, 11, 89, 15}, font,
                      Qt::AlignCenter);
    NewLabel(listing, QStringLiteral("Label1"), QStringLiteral("Nr"), {15, 32, 18, 15}, font);
    NewLabel(listing, QStringLiteral("Label2"), QStringLiteral("Chansv. (%)"), {37, 32, 68, 15}, font);
    for (int k = 1; k <= StartNumbers; ++k) {
        const int top = LineTops[k];
        rn[k] = NewLabel(listing, QStringLiteral("rn%1").arg(k), QString::number(k), {13, top, 16, 15}, font,
                         Qt::AlignCenter);
        rs[k] = NewLabel(listing, QStringLiteral("rs%1").arg(k), QString(), {40, top, 22, 15}, font,
                         Qt::AlignRight | Qt::AlignVCenter);
        p[k] = NewLabel(listing, QStringLiteral("p%1").arg(k), QString(), {64, top, 24, 15}, italic,
                        Qt::AlignRight | Qt::AlignVCenter);
        w[k] = NewLabel(listing, QStringLiteral("w%1").arg(k), QString(), {92, top, 12, 15}, italic);
    }
    NewLabel(listing, QStringLiteral("Label3"), QStringLiteral("S:a"), {12, 295, 20, 15}, font,
             Qt::AlignRight | Qt::AlignVCenter);
    LSumma = NewLabel(listing, QStringLiteral("LSumma"), QString(), {35, 295, 27, 15}, font,
                      Qt::AlignRight | Qt::AlignVCenter);
    for (int race = 1; race <= RaceSlots; ++race) {
        const RaceButton& place = RaceButtonPlaces[race];
        RaceButtons[race] = NewButton(listing, QString::fromLatin1(place.name), QString::number(race),
                                      {place.left, place.top, 18, 18}, SansFont(11));
        connect(RaceButtons[race], &QPushButton::clicked, this, [this, race] { ListRace(race); });
    }
    NewLabel(listing, QStringLiteral("Label4"), QStringLiteral("Villkor nr:"), {15, 363, 80, 15}, font);
    Edit1 = NewEdit(listing, QStringLiteral("Edit1"), {26, 380, 28, 21}, 3);
    Edit1->setFont(font);
    Edit1->setText(QStringLiteral("1"));
    Button2 = NewButton(listing, QStringLiteral("Button2"), QStringLiteral("Stäng"), {66, 380, 42, 22},
                        SansFont(11));
    connect(Edit1, &QLineEdit::textChanged, this, &TOrdningsf::Edit1Change);
    connect(Button2, &QPushButton::clicked, this, &TOrdningsf::close);
}

void TOrdningsf::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
}

void TOrdningsf::ResetToStartState()
{
    OrderPointsCond = 0;
    OrderFormFilled = 0;
    const QSignalBlocker blocker(Edit1);
    Edit1->setText(QStringLiteral("1"));
    rubrik->setText(QStringLiteral("Välj avd."));
    for (int k = 1; k <= StartNumbers; ++k)
        rn[k]->setText(QString::number(k));
    EmptyValueColumns();
}

void TOrdningsf::FormActivate()
{
    if (OrderFormFilled == 1)
        return;
    OrderFormFilled = 1;
    OrderPointsCond = CurrentPointsCond;
    {
        const QSignalBlocker blocker(Edit1);
        Edit1->setText(QString::number(OrderPointsCond));
    }
    rubrik->setText(QStringLiteral("Välj avd."));
    for (int k = 1; k <= StartNumbers; ++k)
        rn[k]->setText(QString::number(k));
    EmptyValueColumns();
}

void TOrdningsf::closeEvent(QCloseEvent* e)
{
    OrderFormFilled = 0;
    VForm::closeEvent(e);
}

void TOrdningsf::ListRace(int race)
{
    rubrik->setText(QStringLiteral("Avd %1").arg(race));
    const int c =
        OrderPointsCond >= 1 && OrderPointsCond <= ConditionCount ? OrderPointsCond : CurrentPointsCond;
    const HorseOrderListing listing = ListHorsesByPoints(race, c);
    for (int k = 1; k <= StartNumbers; ++k) {
        const HorseOrderLine& line = listing.lines[k - 1];
        rn[k]->setText(QString::number(line.startNr));
        rs[k]->setText(QString::number(line.points));
        p[k]->setText(line.percent ? QString::number(*line.percent) : QString());
        w[k]->setText(line.percent ? QStringLiteral("%") : QString());
    }
    LSumma->setText(QString::number(listing.total));
}

void TOrdningsf::Edit1Change()
{
    int32 number = 0;
    if (TryParseInt(Edit1->text(), number) && number >= 1 && number <= ConditionCount)
        OrderPointsCond = number;
    {
        const QSignalBlocker blocker(Edit1);
        Edit1->setText(QString::number(OrderPointsCond));
    }
    EmptyValueColumns();
}

void TOrdningsf::EmptyValueColumns()
{
    for (int k = 1; k <= StartNumbers; ++k)
        for (QLabel* label : {rs[k], p[k], w[k]})
            label->clear();
    LSumma->clear();
}
