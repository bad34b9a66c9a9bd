#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "output/reserves.h"
#include "output/ui/reserv.h"
#include "output/ui/reservinf.h"
#include "windowset.h"

namespace {

class ReserveWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        Reserver->ResetToStartState();
    }

    static void Open() { Click("Button13"); }

    static QLabel* StripLabel(int race, int label) { return Reserver->StripLabels[race][label]; }

    static int SlotLeft(int slot) { return 89 + 22 * (slot - 1); }

    // The start numbers of a race's strip read from left to right.
    static std::vector<int> Strip(int race)
    {
        std::vector<std::pair<int, int>> placed;
        for (int k = 1; k <= StartNumbers; ++k)
            placed.emplace_back(StripLabel(race, k)->x(), StripLabel(race, k)->text().toInt());
        std::sort(placed.begin(), placed.end());
        std::vector<int> numbers;
        for (const auto& [x, number] : placed)
            numbers.push_back(number);
        return numbers;
    }

    static std::vector<int> Order(int race)
    {
        return std::vector<int>(std::begin(ReserveOrder[race]) + 1, std::end(ReserveOrder[race]));
    }
};

TEST_F(ReserveWindowTest, FirstOpeningBuildsTheStripsFromTheMarksAndClosingWritesThem)
{
    for (const auto& [group, horse] : {std::pair{GroupA, 3}, {GroupA, 9}, {GroupB, 1}, {GroupD, 12}})
        Mark(1, group, horse);
    Open();
    const std::vector<int> expected = {3, 9, 1, 12, 2, 4, 5, 6, 7, 8, 10, 11, 13, 14, 15};
    EXPECT_EQ(Strip(1), expected);
    const QColor colours[] = {Magenta, Magenta, QColor(255, 255, 0), QColor(192, 192, 192), Qt::white};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(BackgroundOf(StripLabel(1, k)), colours[k - 1]) << k;
        EXPECT_EQ(StripLabel(1, k)->x(), SlotLeft(k));
    }
    EXPECT_EQ(Order(1), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    Reserver->close();
    EXPECT_EQ(Order(1), expected);
}

TEST_F(ReserveWindowTest, ChosenOrderShowsItsLetterAndAMarkChangeRaisesTheSignal)
{
    Open();
    Reserver->ModeButtons[2]->click();
    EXPECT_EQ(ReserveMode, ReserveModeChosenOrder);
    Reserver->close();
    EXPECT_EQ(Text("LabelRes"), QStringLiteral("V"));
    EXPECT_FALSE(V65x->LabelRes->isHidden());
    EXPECT_TRUE(V65x->ResF->isHidden());

    MarkOneAHorsePerRace();
    EXPECT_TRUE(V65x->LabelRes->isHidden());
    EXPECT_FALSE(V65x->ResF->isHidden());
    EXPECT_EQ(V65x->ResF->text(), QStringLiteral(" ? "));

    Open();
    Reserver->ModeButtons[4]->click();
    Reserver->close();
    EXPECT_EQ(Text("LabelRes"), QStringLiteral("L"));
    EXPECT_FALSE(V65x->LabelRes->isHidden());
    EXPECT_TRUE(V65x->ResF->isHidden());
}

TEST_F(ReserveWindowTest, DraggingALabelMovesItToTheDropSlotAndShiftsTheOthers)
{
    Open();
    QLabel* dragged = StripLabel(1, 10);
    Press(dragged);
    // The pointer over a free part of strip 1: the label's left edge goes to 150.
    SendMouse(dragged, QEvent::MouseMove, dragged->mapFrom(Reserver, QPoint(158, 160)));
    EXPECT_EQ(dragged->x(), 150);
    SendMouse(dragged, QEvent::MouseButtonRelease, {3, 3});
    EXPECT_EQ(dragged->x(), SlotLeft(4));
    EXPECT_EQ(Strip(1), (std::vector<int>{1, 2, 3, 10, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15}));

    // Over another race's strip the label does not follow; it settles where it was.
    Reserver->StartDrag(1, 2);
    Reserver->DragOver({300, 186});
    Reserver->EndDrag();
    EXPECT_EQ(StripLabel(1, 2)->x(), SlotLeft(2));

    Reserver->StartDrag(1, 2);
    Reserver->DragOver({158, 160});
    Reserver->EndDrag();
    EXPECT_EQ(Strip(1), (std::vector<int>{1, 3, 2, 10, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15}));
    Reserver->close();
    EXPECT_EQ(Order(1), Strip(1));
}

TEST_F(ReserveWindowTest, AMarkChangeRebuildsOnlyThatRacesStrip)
{
    Open();
    Reserver->StartDrag(1, 10);
    Reserver->DragOver({158, 160});
    Reserver->EndDrag();
    Reserver->close();
    const std::vector<int> ownArrangement = Strip(1);

    Mark(3, GroupB, 7);
    Open();
    EXPECT_EQ(Strip(1), ownArrangement);
    EXPECT_EQ(Strip(3), (std::vector<int>{7, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}));
    Reserver->close();
    EXPECT_EQ(Order(1), ownArrangement);
    EXPECT_EQ(Order(3)[0], 7);
}

TEST_F(ReserveWindowTest, ATypedFixedReserveSurvivesTheHelpWindowAndIsStoredOnClose)
{
    Open();
    Reserver->FixedFields[1][1]->setValue(7);
    Reserver->FixedFields[2][2]->setValue(0);
    Reserver->Button1->click();
    EXPECT_TRUE(TestDialogs().modalWindows.contains(QStringLiteral("TReservinfo")));
    Reservinfo->Button1->click();
    EXPECT_EQ(Reserver->FixedFields[1][1]->value(), 7);
    Reserver->Button5->click();
    EXPECT_EQ(FixedReserves[1][1], 7);
    EXPECT_EQ(FixedReserves[2][2], 0);
    EXPECT_EQ(FixedReserves[3][1], 1);

    FixedReserves[1][1] = 4;
    Open();
    EXPECT_EQ(Reserver->FixedFields[1][1]->value(), 4);
}

}  // namespace
