#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include "conditions/pointsedit.h"
#include "conditions/pointsfile.h"
#include "conditions/ui/cvillkor.h"
#include "conditions/ui/ordn.h"
#include "model/notify.h"
#include "platform/textfile.h"
#include "windowset.h"

namespace {

class PointsWindow : public WindowSetTest {
protected:
    static VSpinEdit* Edit(int race, int horse) { return Chansvillkor->vch[race][horse]; }
    static QColor EditColour(int race, int horse)
    {
        return Edit(race, horse)->palette().color(QPalette::Base);
    }
    static void Type(VSpinEdit* edit, const QString& text) { edit->findChild<QLineEdit*>()->setText(text); }

    // A constructed system whose labels a reset would change.
    static void Constructed()
    {
        CouponsBuilt = SystemSaved = 1;
        ResultsStaleShown = 0;
    }

    // Shows the window and makes it the active window, as a click on it does.
    static void Open()
    {
        Chansvillkor->Show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(Chansvillkor, &activate);
    }
};

TEST_F(PointsWindow, TypedPointsAreLimitedStoredAndColoured)
{
    Open();
    Mark(2, GroupB, 3);
    EXPECT_EQ(EditColour(2, 3), QColor(255, 255, 255));  // marked, no points
    EXPECT_EQ(EditColour(2, 4), QColor(0, 170, 170));    // not marked
    Type(Edit(2, 3), QStringLiteral("150"));
    EXPECT_EQ(CondPoints[2][3][1], 100);
    EXPECT_EQ(EditColour(2, 3), QColor(255, 255, 0));
    EXPECT_EQ(Chansvillkor->Hogstaverde->text(), QStringLiteral("100"));
    EXPECT_EQ(Chansvillkor->L[1]->text(), QStringLiteral("2"));
    EXPECT_TRUE(Chansvillkor->L[1]->isVisibleTo(Chansvillkor));
    Edit(2, 3)->interpretText();  // leaving the edit
    EXPECT_EQ(Edit(2, 3)->text(), QStringLiteral("100"));
    Type(Edit(2, 3), QString());
    EXPECT_EQ(CondPoints[2][3][1], 0);
    EXPECT_EQ(EditColour(2, 3), QColor(255, 255, 255));
}

// The edits of the dummy race slot 7 lie outside the window with their values: Tab from the last
// edit of race 6 goes on to a control the user sees, and what is typed there reaches no point of
// race slot 7 (which would count in every row).
TEST_F(PointsWindow, TabFromTheLastRaceSkipsTheUnseenRaceSlot)
{
    CondPoints[7][1][1] = 5;
    Open();
    QApplication::setActiveWindow(Chansvillkor);
    Edit(6, StartNumbers)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Edit(6, StartNumbers)->hasFocus());
    SendKey(Edit(6, StartNumbers), Qt::Key_Tab);
    QWidget* next = QApplication::focusWidget();
    ASSERT_NE(next, nullptr);
    for (int h = 1; h <= StartNumbers; ++h)
        EXPECT_NE(next, Edit(7, h)) << "start number " << h;
    SendKey(next, Qt::Key_Backspace);
    for (const QChar digit : QStringLiteral("40")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + digit.digitValue(), Qt::NoModifier, QString(digit));
        QCoreApplication::sendEvent(next, &press);
    }
    EXPECT_EQ(CondPoints[7][1][1], 5);
    for (int h = 2; h <= StartNumbers; ++h)
        EXPECT_EQ(CondPoints[7][h][1], 0) << "start number " << h;
    EXPECT_EQ(Edit(7, 1)->text(), QStringLiteral("5"));
}

TEST_F(PointsWindow, MarkingWhileOpenRecolours)
{
    Open();
    CondPoints[4][6][1] = 20;
    Chansvillkor->ShowPointsCondition();
    Mark(4, GroupA, 6);
    EXPECT_EQ(EditColour(4, 6), QColor(255, 0, 255));
    EXPECT_EQ(Chansvillkor->Legstaverde->text(), QStringLiteral("20"));
    Mark(4, GroupA, 6);  // unmarked again
    EXPECT_EQ(EditColour(4, 6), QColor(0, 170, 170));
}

TEST_F(PointsWindow, BrowsingConditionsChangesNothing)
{
    CondPoints[1][1][2] = 30;
    CondSumMax[2] = 700;
    Open();
    Constructed();
    Chansvillkor->ScrollBar1->setValue(2);
    EXPECT_EQ(Chansvillkor->LVnr->text(), QStringLiteral("Villkor nr 2"));
    EXPECT_EQ(Edit(1, 1)->text(), QStringLiteral("30"));
    EXPECT_EQ(Chansvillkor->SEMax->text(), QStringLiteral("600"));
    Chansvillkor->ScrollBar1->setValue(1);
    EXPECT_EQ(CondSumMax[2], 700);
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_EQ(ResultsStaleShown, 0);

    CondPoints[2][2][3] = 150;  // more than a point may be, as a system file may hold it
    Chansvillkor->ScrollBar1->setValue(3);
    EXPECT_EQ(CondPoints[2][2][3], 100);
    EXPECT_EQ(CouponsBuilt, 1);
}

TEST_F(PointsWindow, SwitchesModesAndBounds)
{
    Open();
    Constructed();
    Chansvillkor->CBSummaaktiv->click();
    EXPECT_EQ(CondSumActive[1], 1);
    EXPECT_EQ(Chansvillkor->Laktiva->text(), QStringLiteral("aktiva: 1 st"));
    EXPECT_EQ(V65x->Lvchvlk->text(), QStringLiteral("1"));
    EXPECT_EQ(CouponsBuilt, 0);
    Chansvillkor->Button10->click();
    EXPECT_EQ(CondSumMode[1], 0);
    EXPECT_TRUE(Chansvillkor->SummastatusT->isVisibleTo(Chansvillkor));
    EXPECT_FALSE(Chansvillkor->SummastatusK->isVisibleTo(Chansvillkor));
    Type(Chansvillkor->SEMin, QStringLiteral("650"));
    EXPECT_EQ(CondSumMin[1], 600);
    EXPECT_EQ(Chansvillkor->SEMin->text(), QStringLiteral("650"));
    Chansvillkor->Editmax->setText(QString());
    EXPECT_EQ(Chansvillkor->Editmax->text(), QStringLiteral("100"));
    Chansvillkor->Editmax->setText(QStringLiteral("250"));
    EXPECT_EQ(CondProdMaxMantissa[1], 250);
    Chansvillkor->Hnollor[1]->click();
    EXPECT_EQ(CondProdMaxExp[1], 3);
}

TEST_F(PointsWindow, RescaleUndoAndBrowsingDisablesUndo)
{
    for (int h = 1; h <= 3; ++h)
        CondPoints[3][h][1] = 1;
    Open();
    Chansvillkor->KnappS100->click();
    EXPECT_EQ(Edit(3, 1)->text(), QStringLiteral("33"));
    EXPECT_EQ(Chansvillkor->LabelS[3]->text(), QStringLiteral("99"));
    EXPECT_EQ(Chansvillkor->Edit1->text(), QStringLiteral("Summa 100"));
    ASSERT_TRUE(Chansvillkor->KnappAngra->isEnabled());
    Chansvillkor->KnappAngra->click();
    EXPECT_EQ(CondPoints[3][1][1], 1);
    EXPECT_FALSE(Chansvillkor->KnappAngra->isEnabled());
    Chansvillkor->KnappS100->click();
    Chansvillkor->ScrollBar1->setValue(5);
    EXPECT_FALSE(Chansvillkor->KnappAngra->isEnabled());
    Chansvillkor->Button17->click();
    EXPECT_EQ(Chansvillkor->LabelS[7]->text(), QStringLiteral("120"));
}

TEST_F(PointsWindow, PointsFileRoundTripAndRefusedFiles)
{
    QTemporaryDir dir;
    for (int h = 1; h <= StartNumbers; ++h)
        CondPoints[5][h][1] = static_cast<byte>(h * 6);
    PointsCondNames[1] = QStringLiteral("Spara mig");
    Open();
    TestDialogs().fileNames.push_back(dir.filePath(QStringLiteral("mitt.txt")));
    Chansvillkor->Button6->click();
    const QString saved = dir.filePath(QStringLiteral("mitt.str"));
    ASSERT_TRUE(QFile::exists(saved));

    Chansvillkor->ScrollBar1->setValue(12);
    TestDialogs().fileNames.push_back(dir.filePath(QStringLiteral("mitt")));
    Chansvillkor->Button7->click();
    Chansvillkor->Button7->click();  // cancelled: the dialog proposed the file read
    EXPECT_EQ(TestDialogs().proposedNames.value(2), saved);
    EXPECT_EQ(CondPoints[5][15][12], 90);
    EXPECT_EQ(Chansvillkor->Edit1->text(), QStringLiteral("Spara mig"));
    EXPECT_EQ(Edit(5, 15)->text(), QStringLiteral("90"));

    QStringList lines = *ReadTextLines(saved);
    lines[3] = QStringLiteral("300");
    const QString bad = dir.filePath(QStringLiteral("fel.str"));
    ASSERT_TRUE(WriteTextLines(bad, lines));
    CondPoints[1][4][12] = 9;
    TestDialogs().fileNames.push_back(bad);
    Chansvillkor->Button7->click();
    EXPECT_EQ(TestDialogs().messages.value(0), QStringLiteral("Strecken kunde inte läsas in."));
    EXPECT_EQ(CondPoints[1][4][12], 9);

    TestDialogs().fileNames.push_back(dir.filePath(QStringLiteral("saknas.str")));
    Chansvillkor->Button7->click();
    EXPECT_EQ(TestDialogs().messages.value(1),
              QStringLiteral("Filen %1 finns ej.").arg(dir.filePath(QStringLiteral("saknas.str"))));

    TestDialogs().fileNames.push_back(saved);
    Chansvillkor->Button6->click();  // asked, answered No: the file stays
    EXPECT_EQ(TestDialogs().questions.value(0), QStringLiteral("Ska filen mitt.str skrivas över?"));

    const QString unwritable = dir.filePath(QStringLiteral("saknad mapp/v.str"));
    TestDialogs().fileNames.push_back(unwritable);
    Chansvillkor->Button6->click();
    EXPECT_EQ(TestDialogs().errors.value(0), QStringLiteral("Filen %1 kunde inte skrivas.").arg(unwritable));
}

TEST_F(PointsWindow, ClearAllAsksFirst)
{
    CondPoints[1][1][9] = 5;
    CondSumActive[9] = 1;
    RecountActivePointsConds();
    Open();
    Chansvillkor->Nollaradvlk->click();  // No
    EXPECT_EQ(CondPoints[1][1][9], 5);
    TestDialogs().answers.push_back(true);
    Chansvillkor->Nollaradvlk->click();
    EXPECT_EQ(TestDialogs().questions.value(0),
              QStringLiteral("Ska vi ta bort alla villkor på chans/poäng?"));
    EXPECT_EQ(CondPoints[1][1][9], 0);
    EXPECT_EQ(Chansvillkor->Laktiva->text(), QStringLiteral("aktiva: 0 st"));
    EXPECT_EQ(V65x->Lvchvlk->text(), QStringLiteral("0"));
}

TEST_F(PointsWindow, ClearingResetsTheSystemOnlyWhenSomethingChanged)
{
    Open();
    PointsCondNames[CurrentPointsCond] = QStringLiteral("bara namnet");
    Constructed();
    Chansvillkor->Button1->click();  // "Radera" of a condition that holds only a name
    TestDialogs().answers.push_back(true);
    Chansvillkor->Nollaradvlk->click();
    EXPECT_EQ(CouponsBuilt, 1);
    EXPECT_TRUE(PointsCondNames[CurrentPointsCond].str().isEmpty());

    Type(Edit(2, 3), QStringLiteral("7"));
    Constructed();
    Chansvillkor->Button1->click();
    EXPECT_EQ(CouponsBuilt, 0);
    EXPECT_EQ(CondPoints[2][3][CurrentPointsCond], 0);

    CondSumActive[40] = 1;
    Constructed();
    TestDialogs().answers.push_back(true);
    Chansvillkor->Nollaradvlk->click();
    EXPECT_EQ(CouponsBuilt, 0);
}

TEST_F(PointsWindow, CountsTheRowsUnderTheMainSwitches)
{
    MarkOneAHorsePerRace();
    Mark(1, GroupA, 2);
    CondPoints[1][1][1] = 10;
    CondSumMin[1] = 5;
    CondSumActive[1] = 1;
    V65x->VlkvinstchJA->setChecked(true);
    Open();
    ResultsStaleShown = 1;
    Chansvillkor->Button3->click();
    EXPECT_EQ(RowsAccepted, 1);  // only the rows with horse 1 in race 1
    EXPECT_EQ(BuildCouponsAfterRows, 0);
    EXPECT_EQ(ResultsStaleShown, 0);
}

TEST_F(PointsWindow, ActivationAfterALoadShowsConditionOne)
{
    Open();
    Chansvillkor->ScrollBar1->setValue(6);
    Chansvillkor->hide();
    CurrentPointsCond = 1;
    PointsCondReloadPending = 1;
    Open();
    EXPECT_EQ(Chansvillkor->ScrollBar1->value(), 1);
    EXPECT_EQ(PointsCondReloadPending, 0);
    EXPECT_EQ(Chansvillkor->LVnr->text(), QStringLiteral("Villkor nr 1"));
}

TEST_F(PointsWindow, StreckInPerCentEmptiesTheName)
{
    StreckValues[HorseIndex(6, 2)] = 30;
    StreckValues[HorseIndex(6, 9)] = 45;
    PointsCondNames[1] = QStringLiteral("gammalt");
    Open();
    Chansvillkor->Button5->click();
    EXPECT_EQ(CondPoints[6][9][1], 45);
    EXPECT_EQ(Chansvillkor->LabelS[6]->text(), QStringLiteral("75"));
    EXPECT_TRUE(Chansvillkor->Edit1->text().isEmpty());
    EXPECT_TRUE(PointsCondNames[1].str().isEmpty());
}

class OrderWindow : public WindowSetTest {};

TEST_F(OrderWindow, ListsARaceAndKeepsAValidConditionNumber)
{
    CurrentPointsCond = 4;
    const int points[] = {40, 0, 40, 100};
    for (int h = 1; h <= 4; ++h)
        CondPoints[2][h][4] = static_cast<byte>(points[h - 1]);
    Ordningsf->Show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(Ordningsf, &activate);
    Ordningsf->RaceButtons[2]->click();
    EXPECT_EQ(Ordningsf->rubrik->text(), QStringLiteral("Avd 2"));
    const char* numbers[] = {"4", "1", "3", "2", "5"};
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(Ordningsf->rn[k]->text(), QString::fromLatin1(numbers[k - 1]));
    EXPECT_EQ(Ordningsf->LSumma->text(), QStringLiteral("180"));
    EXPECT_EQ(Ordningsf->p[1]->text(), QStringLiteral("56"));
    EXPECT_EQ(Ordningsf->w[2]->text(), QStringLiteral("%"));
    EXPECT_TRUE(Ordningsf->p[4]->text().isEmpty());

    Ordningsf->Edit1->setText(QStringLiteral("abc"));
    EXPECT_EQ(Ordningsf->Edit1->text(), QStringLiteral("4"));
    EXPECT_TRUE(Ordningsf->LSumma->text().isEmpty());
    EXPECT_EQ(Ordningsf->rn[1]->text(), QStringLiteral("4"));
    Ordningsf->Edit1->setText(QStringLiteral("007"));
    EXPECT_EQ(Ordningsf->OrderPointsCond, 7);
    EXPECT_EQ(Ordningsf->Edit1->text(), QStringLiteral("7"));
}

}  // namespace
