// The chance window: the picker, the edits, "Beräkna" with its messages, the row count
// written by the varying reduction, the grading window's mirrored inputs and the run guard.

#include <gtest/gtest.h>
#include <QFocusEvent>
#include <QPushButton>
#include <QTimer>

#include "grading/chance.h"
#include "grading/gradinginputs.h"
#include "grading/ui/chanser.h"
#include "grading/ui/ekonomiu.h"
#include "model/notify.h"
#include "reduction/varyingreduction.h"
#include "windowset.h"

namespace {

class ChanceWindowTest : public WindowSetTest {
protected:
    static void LeaveEdit(QLineEdit* edit)
    {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(edit, &out);
    }

    static void Pick(int race, int startNr)
    {
        SendMouse(Chans->rr[race][startNr], QEvent::MouseButtonPress, {4, 4});
    }

    // Race 1 with 60 and 40 points, the others one horse of 100 points.
    static void DigestSetup()
    {
        Mark(1, 1, 1);
        Mark(1, 1, 2);
        for (int r = 2; r <= 6; ++r)
            Mark(r, 1, 1);
        ReductionPoints[HorseIndex(1, 1)] = 60;
        ReductionPoints[HorseIndex(1, 2)] = 40;
        for (int r = 2; r <= 6; ++r)
            ReductionPoints[HorseIndex(r, 1)] = 100;
        Chans->Show();
        for (int r = 1; r <= 6; ++r)
            Pick(r, 1);
    }
};

TEST_F(ChanceWindowTest, PickerChoosesMovesAndRemovesInTheGroupColour)
{
    Mark(2, 1, 5);
    Chans->Show();
    Pick(2, 5);
    EXPECT_EQ(ChanceCorrectRow[2], 5);
    EXPECT_EQ(Chans->rr[2][5]->text(), "5");
    EXPECT_EQ(BackgroundOf(Chans->rr[2][5]), Magenta);
    Pick(2, 7);  // unmarked: its number on white
    EXPECT_EQ(ChanceCorrectRow[2], 7);
    EXPECT_EQ(Chans->rr[2][5]->text(), "");
    EXPECT_EQ(Chans->rr[2][7]->text(), "7");
    EXPECT_EQ(BackgroundOf(Chans->rr[2][7]), QColor(Qt::white));
    Pick(2, 7);
    EXPECT_EQ(ChanceCorrectRow[2], 0);
    EXPECT_EQ(Chans->rr[2][7]->text(), "");
}

TEST_F(ChanceWindowTest, EditsFallBackToTheirPreviousValues)
{
    Chans->Show();
    EXPECT_EQ(Chans->EditNRader->text(), "100");
    Chans->EditNRader->setText("abc");
    LeaveEdit(Chans->EditNRader);
    EXPECT_EQ(Chans->EditNRader->text(), "100");
    EXPECT_EQ(ChanceSystemRows, 100);
    Chans->Utd7Edit->setText("12345");
    LeaveEdit(Chans->Utd7Edit);
    EXPECT_EQ(Chans->Utd7Edit->text(), "   12345");
    EXPECT_EQ(PayoutPerHits[2], 12345);
    Chans->Utd7Edit->setText("-1");
    LeaveEdit(Chans->Utd7Edit);
    EXPECT_EQ(Chans->Utd7Edit->text(), "   12345");
}

TEST_F(ChanceWindowTest, BeraknaShowsTheDigestAndAChangeClearsIt)
{
    DigestSetup();
    Chans->Utd7Edit->setText("1000");
    LeaveEdit(Chans->Utd7Edit);
    Chans->Utd6Edit->setText("10");
    LeaveEdit(Chans->Utd6Edit);
    Chans->EditNRader->setText("1");
    Chans->Button2->click();
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    EXPECT_EQ(Chans->Lverde7->text(), "60000");
    EXPECT_EQ(Chans->Lverde6->text(), "400");
    EXPECT_EQ(Chans->Lsumverde->text(), "60400");
    EXPECT_EQ(Chans->Lch7->text(), "1 chans på 2");
    EXPECT_EQ(Chans->Lprocentavinsats->text(), " 60400 % ");
    EXPECT_EQ(Chans->Label9->text(), "2");
    EXPECT_TRUE(Chans->KnAvbryt->isHidden());

    Chans->CBUtdelning->setChecked(true);  // no handler: the results stay
    EXPECT_EQ(Chans->Lverde7->text(), "60000");
    Chans->CBOvrigt->setChecked(true);
    EXPECT_EQ(Chans->Lverde7->text(), "");
    EXPECT_EQ(Chans->Lprocentavinsats->text(), " 60400 % ");
}

TEST_F(ChanceWindowTest, MissingStreckUnticksThePayoutBoxAndTheMessagesFollowInOrder)
{
    DigestSetup();
    Chans->CBUtdelning->setChecked(true);
    Pick(3, 1);  // race 3 without a correct horse
    Chans->Button2->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{IncompleteRowMessage});
    EXPECT_TRUE(Chans->CBUtdelning->isChecked());
    Pick(3, 1);
    Chans->Button2->click();
    EXPECT_EQ(TestDialogs().messages, (QStringList{IncompleteRowMessage, NoStreckForPayoutMessage}));
    EXPECT_FALSE(Chans->CBUtdelning->isChecked());
}

TEST_F(ChanceWindowTest, AFinishedReductionWritesTheRowCount)
{
    Chans->Show();
    ChanceSystemRows = 37;
    Events::ChanceSystemRowsChanged.Emit();
    EXPECT_EQ(Chans->EditNRader->text(), "37");
}

TEST_F(ChanceWindowTest, GradingInputsAreMirroredRaceByRace)
{
    Mark(4, 3, 2);
    Chans->Show();
    Pick(1, 6);
    SetRaceWinner(4, 2);
    StorePayoutText(2, QStringLiteral("500"));
    EXPECT_EQ(ChanceCorrectRow[4], 2);
    EXPECT_EQ(Chans->rr[4][2]->text(), "2");
    EXPECT_EQ(BackgroundOf(Chans->rr[4][2]), Aqua);
    EXPECT_EQ(ChanceCorrectRow[1], 6);  // race 1 did not change in the grading window
    EXPECT_EQ(Chans->Utd7Edit->text(), "     500");
    SetRaceWinner(4, 2);
    EXPECT_EQ(ChanceCorrectRow[4], 0);
    EXPECT_EQ(Chans->rr[4][2]->text(), "");
}

// This window's own choices and a restored round do not hide what the grading window enters
// afterwards: the picker and the payout fields show the values the evaluation uses.
TEST_F(ChanceWindowTest, GradingInputsShowAfterThisWindowsOwnChoices)
{
    Chans->Show();
    StorePayoutText(2, QStringLiteral("2500"));
    ASSERT_EQ(Chans->Utd7Edit->text(), "    2500");
    Chans->Utd7Edit->setText("3000");
    LeaveEdit(Chans->Utd7Edit);
    StorePayoutText(2, QStringLiteral("2500"));
    EXPECT_EQ(PayoutPerHits[2], 2500);
    EXPECT_EQ(Chans->Utd7Edit->text(), "    2500");

    SetRaceWinner(1, 5);
    Pick(1, 3);
    SavedRoundWinners[1] = 7;  // a restored round changes the grading window only
    RestoreSavedRound();
    SetRaceWinner(2, 4);
    EXPECT_EQ(ChanceCorrectRow[1], 3);
    EXPECT_EQ(Chans->rr[1][3]->text(), "3");
    SetRaceWinner(1, 5);  // the grading window's winner moves from 7 back to 5
    EXPECT_EQ(ChanceCorrectRow[1], 5);
    EXPECT_EQ(Chans->rr[1][5]->text(), "5");
    EXPECT_EQ(Chans->rr[1][3]->text(), "");
}

// The run lets events through before it walks a row, so a system of two rows is enough.
TEST_F(ChanceWindowTest, DuringARunInputReachesOnlyAvbrytAndACloseStopsTheRunFirst)
{
    DigestSetup();
    bool secondRunRefused = false;
    QTimer::singleShot(0, Chans, [&secondRunRefused] {
        Mark(2, 2, 3);  // swallowed
        Chans->Button2Click();
        secondRunRefused = ChanceRunning();
        Chans->close();
    });
    Chans->Button2->click();
    EXPECT_TRUE(secondRunRefused);
    EXPECT_EQ(HorseGroups[2][0][3], 0);
    EXPECT_EQ(TestDialogs().messages, QStringList{ChanceCancelledMessage});
    EXPECT_TRUE(Chans->Lch7->text().isEmpty());
    QCoreApplication::processEvents();
    EXPECT_FALSE(Chans->isVisible());  // the close came back once the run had ended
}

}  // namespace

namespace {

// Every caption of the chance and ledger windows fits its control in the control's font, the
// widest results included.
TEST_F(ChanceWindowTest, EveryTextFitsItsControl)
{
    Chans->Lch7->setText(QStringLiteral("1 chans på 11390625"));
    Chans->Lverde7->setText(QStringLiteral("10000000000"));
    Chans->Lsumverde->setText(QStringLiteral("10000000000"));
    Chans->Lprocentavinsats->setText(QStringLiteral(" 10000000000 % "));
    Chans->Label9->setText(QStringLiteral("11390625"));
    for (QWidget* window : std::initializer_list<QWidget*>{Chans, Ekonomi}) {
        for (const QLabel* label : window->findChildren<QLabel*>())
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                << label->objectName().toStdString() << " " << label->text().toStdString();
        for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
            EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()) + 6)
                << button->text().toStdString();
    }
}

}  // namespace
