#include <QPushButton>

#include "output/reserves.h"
#include "output/ui/sekup.h"
#include "output/ui/sekupe.h"
#include "support/coupons.h"
#include "views/ui/seenkelrad.h"
#include "views/ui/streckford.h"
#include "windowset.h"

namespace {

class CouponViewersTest : public WindowSetTest {
protected:
    // "Se kuponger", enabled as after a construction.
    static void SeeCoupons()
    {
        V65x->Button4->setEnabled(true);
        V65x->Button4->click();
    }

    // A group system: coupon 1 plays A+C, A+B, A, B, A, A; coupon 2 only A.
    static void SmallGroupSystem()
    {
        for (const char* cell : {"R1102", "R1107", "R1305"})
            Press(Find(cell));
        for (int race = 2; race <= 6; ++race) {
            Mark(race, GroupA, 1);
            Mark(race, GroupB, 3);
            Mark(race, GroupB, 4);
        }
        StoreSmallGroupCoupons();
    }

    // Coupons built with row conditions: coupon k plays start number k in race 1 and 1 elsewhere.
    static void RowSystem(int count)
    {
        for (int k = 1; k <= count; ++k) {
            for (int race = 1; race <= RaceSlots; ++race)
                RowStore[race][k] = 1;
            RowStore[1][k] = 1 << (k - 1);
            CouponRowCounts[k] = 1;
        }
        GroupSystemBuilt = 0;
        KeepCoupons(count);
    }
};

TEST_F(CouponViewersTest, GroupViewerShowsTheCouponAndStepsByTen)
{
    SmallGroupSystem();
    ReserveMode = ReserveModeChosenOrder;
    SeeCoupons();
    EXPECT_EQ(TestDialogs().modalWindows, QStringList{QStringLiteral("TKuponger")});
    EXPECT_EQ(Kuponger->Kupongnummer->text(), QStringLiteral("Kupong 1 av 2"));
    EXPECT_EQ(Kuponger->Startnr[1]->text(), QStringLiteral(" 2 5 7"));
    EXPECT_EQ(Kuponger->ABC[1]->text(), QStringLiteral("A C"));
    EXPECT_EQ(Kuponger->Reservnr[1]->text(), QStringLiteral("1,  3"));
    EXPECT_EQ(Kuponger->antalraderikup->text(), QStringLiteral(" 3 x 3 x 1 x 2 x 1 x 1 x 1 = 18 rader"));

    Kuponger->StepButtons[1][0]->click();  // -1 at the first coupon: nothing
    EXPECT_EQ(CurrentCouponPos, 1);
    Kuponger->StepButtons[2][1]->click();  // +10: the last coupon
    EXPECT_EQ(Kuponger->Kupongnummer->text(), QStringLiteral("Kupong 2 av 2"));
    EXPECT_EQ(Kuponger->antalraderikup->text(), QStringLiteral(" 2 x 1 x 1 x 1 x 1 x 1 x 1 = 2 rader"));
    EXPECT_TRUE(TestDialogs().errors.isEmpty());

    CouponRowCounts[1] = 17;
    Kuponger->StepButtons[3][0]->click();  // -100: the first coupon, whose count no longer matches
    EXPECT_EQ(TestDialogs().errors, QStringList{QStringLiteral("Något blev FEL!   AVBRYT!")});
    EXPECT_EQ(Kuponger->Startnr[1]->text(), QStringLiteral(" 2 5 7"));
}

TEST_F(CouponViewersTest, NoSystemSaysSo)
{
    RowSystem(3);
    CouponsBuilt = 0;
    SeeCoupons();
    EXPECT_EQ(KupongerE->Startnr[2]->text(), QStringLiteral("Det finns inga kuponger att visa."));
    EXPECT_EQ(KupongerE->Startnr[3]->text(), QStringLiteral("Systemet är inte konstruerat."));
    EXPECT_EQ(KupongerE->Kupongnummer->text(), QString());
    EXPECT_EQ(KupongerE->antalraderikup->text(), QString());
}

TEST_F(CouponViewersTest, StepsGoOnFromTheCouponShownAfterTheDistributionView)
{
    RowSystem(9);
    SeeCoupons();
    EXPECT_EQ(KupongerE->Startnr[1]->text(), QStringLiteral("1"));
    for (int i = 0; i < 6; ++i)
        KupongerE->StepButtons[1][1]->click();
    EXPECT_EQ(KupongerE->Kupongnummer->text(), QStringLiteral("Kupong 7 av 9"));
    KupongerE->Button2->click();
    EXPECT_TRUE(Streckf->isVisible());
    Streckf->close();
    KupongerE->StepButtons[1][1]->click();
    EXPECT_EQ(KupongerE->Kupongnummer->text(), QStringLiteral("Kupong 8 av 9"));
    EXPECT_EQ(KupongerE->Startnr[1]->text(), QStringLiteral("8"));
    EXPECT_EQ(KupongerE->antalraderikup->text(), QStringLiteral("1 x 1 x 1 x 1 x 1 x 1 x 1 = 1 rad"));
}

TEST_F(CouponViewersTest, RowViewerShowsTheNumberAndReservesOfAMismatchingCoupon)
{
    RowSystem(2);
    ReserveMode = ReserveModeFixed;
    FixedReserves[1][1] = 0;
    FixedReserves[1][2] = 7;
    CouponRowCounts[2] = 5;
    SeeCoupons();
    EXPECT_EQ(KupongerE->Reservnr[1]->text(), QStringLiteral("0, 7"));
    KupongerE->Reservnr[1]->setText(QStringLiteral("old"));
    KupongerE->StepButtons[1][1]->click();
    EXPECT_EQ(TestDialogs().errors.size(), 1);
    EXPECT_EQ(KupongerE->Kupongnummer->text(), QStringLiteral("Kupong 2 av 2"));
    EXPECT_EQ(KupongerE->Reservnr[1]->text(), QStringLiteral("0, 7"));
}

TEST_F(CouponViewersTest, SingleRowsOpenTheSingleRowViewer)
{
    SingleRowsBuilt = 1;
    SingleRowCount = 1;
    for (int race = 1; race <= RaceSlots; ++race)
        RowStore[race][1] = 1;
    SeeCoupons();
    EXPECT_EQ(TestDialogs().modalWindows, QStringList{QStringLiteral("TSeenkelrader")});
}

}  // namespace
