#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "model/variabl.h"
#include "output/owntext.h"
#include "platform/textfile.h"

namespace {

class OwnTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobals();
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path() + QLatin1Char('/');
    }

    static OwnTextState OnScreen()
    {
        return OwnTextState{QStringLiteral("Min text\nrad två"),
                            PrintFont{QStringLiteral("MS Sans Serif"), 8}, 285};
    }
    OwnTextState Load(const OwnTextState& current) const { return LoadOwnText(current, folder_, 147, 699); }

    QTemporaryDir dir_;
    QString folder_;
};

TEST_F(OwnTextTest, SaveAndLoadBack)
{
    OwnTextState saved{QStringLiteral("Första\n\nTredje"), PrintFont{QStringLiteral("Arial"), 12, true, true},
                       291};
    ASSERT_EQ(SaveOwnText(saved, folder_), QString());
    EXPECT_EQ(*ReadTextLines(folder_ + QStringLiteral("inst1.mmo")),
              (QStringList{"Arial", "12", "Fet", "Kursiv", "ejUnderstruken", "ejGenomstruken", "291"}));
    EXPECT_EQ(Load(OnScreen()), saved);
}

TEST_F(OwnTextTest, FailedLoadKeepsTheTextOnScreen)
{
    // No "inst1.mmo": nothing changes.
    EXPECT_EQ(Load(OnScreen()), OnScreen());

    // "inst1.mmo" without "inst2.mmo": its font and width, the size 10, the text kept.
    ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst1.mmo"),
                               {"Arial", "12", "fet", "Kursiv", "ejUnderstruken", "ejGenomstruken", "303"}));
    OwnTextState loaded = Load(OnScreen());
    EXPECT_EQ(loaded.text, OnScreen().text);
    EXPECT_EQ(loaded.font, (PrintFont{QStringLiteral("Arial"), 10, false, true}));
    EXPECT_EQ(loaded.memoWidth, 303);

    // A damaged width line: the text stays even though "inst2.mmo" is there.
    ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst2.mmo"), {"Ny text"}));
    ASSERT_TRUE(
        WriteTextLines(folder_ + QStringLiteral("inst1.mmo"), {"Arial", "12", "Fet", "", "", "", "bred"}));
    loaded = Load(OnScreen());
    EXPECT_EQ(loaded.text, OnScreen().text);
    EXPECT_EQ(loaded.font.pointSize, 10);
    EXPECT_TRUE(loaded.font.bold);
    EXPECT_EQ(loaded.memoWidth, 285);
}

TEST_F(OwnTextTest, ConditionComments)
{
    EXPECT_EQ(ConditionCommentsText(), QString());
    StartNrCondComments[2] = "favoriter";
    StartNrCondComments[5] = "skrällar";
    PointsCondNames[1] = "poäng";
    EXPECT_EQ(ConditionCommentsText(),
              QStringLiteral(
                  "Villkor på startnr.  2:favoriter   5:skrällar   Villkor på chans/poäng.  1:poäng   "));
}

TEST_F(OwnTextTest, ColumnWidthSteps)
{
    int32 width = 285;
    int clicks = 0;
    for (int32 next = NarrowerMemo(width); next != width; next = NarrowerMemo(width)) {
        width = next;
        ++clicks;
    }
    EXPECT_EQ(width, 147);
    EXPECT_EQ(clicks, 23);
    EXPECT_EQ(WiderMemo(692, 743), 698);
    EXPECT_EQ(WiderMemo(698, 743), 698);
}

}  // namespace
