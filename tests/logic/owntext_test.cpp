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
    OwnTextState Load(const OwnTextState& current) const
    {
        const OwnTextLoad load = LoadOwnText(current, folder_, 147, 699);
        EXPECT_EQ(load.message, QString());
        return load.settings;
    }
    void WriteFontFile(const QStringList& lines) const
    {
        ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst1.mmo"), lines));
    }
    static QStringList SavedFontLines()
    {
        return {"Arial", "12", "Fet", "Kursiv", "ejUnderstruken", "ejGenomstruken", "291"};
    }

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

    // A file of an older, shorter layout: what it holds, the size 10, the text kept.
    ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst2.mmo"), {"Ny text"}));
    WriteFontFile({"Arial", "12", "Fet"});
    loaded = Load(OnScreen());
    EXPECT_EQ(loaded.text, OnScreen().text);
    EXPECT_EQ(loaded.font, (PrintFont{QStringLiteral("Arial"), 10, true}));
    EXPECT_EQ(loaded.memoWidth, 285);
}

// A line that is not what its place holds refuses the file: the font, the width and the text
// on screen stay, and the user is told.
TEST_F(OwnTextTest, ALineOutOfPlaceRefusesTheFile)
{
    ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst2.mmo"), {"Ny text"}));
    const struct {
        int line;
        QString text;
    } cases[] = {
        {1, QString()},
        {1, QString(65, QLatin1Char('A'))},
        {1, QStringLiteral("Arial\x01\x02")},
        {2, QStringLiteral("tolv")},
        {2, QStringLiteral("0")},
        {3, QString()},
        {5, QStringLiteral("ej Understruken")},
        {7, QStringLiteral("bred")},
    };
    for (const auto& c : cases) {
        QStringList lines = SavedFontLines();
        lines[c.line - 1] = c.text;
        WriteFontFile(lines);
        const OwnTextLoad load = LoadOwnText(OnScreen(), folder_, 147, 699);
        EXPECT_EQ(load.settings, OnScreen()) << c.line;
        EXPECT_EQ(load.message, QStringLiteral("Filen inst1.mmo är ingen inställningsfil och lästes inte in. "
                                               "Inställningarna är oförändrade."))
            << c.line;
    }
}

// Neither a binary "inst1.mmo", nor one larger than a settings file, nor a text longer than the
// memo takes is taken; each is refused before anything changes.
TEST_F(OwnTextTest, FilesThatAreNoOwnTextChangeNothing)
{
    QByteArray binary;
    for (int i = 0; i < 300; ++i)
        binary += static_cast<char>((i * 91) % 256);
    QByteArray large =
        EncodeWindows1252(SavedFontLines().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    large += QByteArray(5000, 'A');
    ASSERT_TRUE(WriteTextLines(folder_ + QStringLiteral("inst2.mmo"), {"Ny text"}));
    for (const QByteArray& bytes : {binary, large}) {
        ASSERT_TRUE(WriteFileBytes(folder_ + QStringLiteral("inst1.mmo"), bytes));
        const OwnTextLoad load = LoadOwnText(OnScreen(), folder_, 147, 699);
        EXPECT_EQ(load.settings, OnScreen());
        EXPECT_TRUE(load.message.startsWith(QStringLiteral("Filen inst1.mmo är ingen inställningsfil")));
    }
}

// A text of exactly the longest length loads back as it was saved, although its line breaks
// make the file larger than that many bytes; one character more, or a file too large to hold
// such a text, is refused and changes nothing.
TEST_F(OwnTextTest, OnlyATextTheMemoTakesLoads)
{
    QString longest;
    while (longest.size() < OwnTextMaxLength)
        longest += QStringLiteral("\nrad");
    longest.truncate(OwnTextMaxLength);
    const OwnTextState saved{longest, PrintFont{QStringLiteral("Arial"), 12}, 291};
    ASSERT_EQ(SaveOwnText(saved, folder_), QString());
    EXPECT_EQ(Load(OnScreen()), saved);

    const QByteArray lineBreaks(OwnTextMaxFileBytes + 2, '\n');
    for (const QByteArray& bytes : {EncodeWindows1252(longest + QLatin1Char('x')), lineBreaks}) {
        ASSERT_TRUE(WriteFileBytes(folder_ + QStringLiteral("inst2.mmo"), bytes));
        const OwnTextLoad load = LoadOwnText(OnScreen(), folder_, 147, 699);
        EXPECT_EQ(load.settings, OnScreen());
        EXPECT_EQ(load.message,
                  QStringLiteral("Filen inst2.mmo har mer än 32\u00A0000 tecken och är ingen egen "
                                 "text. Den lästes inte in; texten är oförändrad."));
    }
}

// Only a run of more than 500 characters without a blank breaks anywhere; line breaks and
// blanks end a run.
TEST_F(OwnTextTest, OnlyAVeryLongRunBreaksAnywhere)
{
    const QString run(500, QLatin1Char('x'));
    EXPECT_FALSE(OwnTextBreaksAnywhere(QString()));
    EXPECT_FALSE(OwnTextBreaksAnywhere(run + QLatin1Char(' ') + run + QLatin1Char('\n') + run));
    EXPECT_TRUE(OwnTextBreaksAnywhere(QStringLiteral("ord ") + run + QLatin1Char('y')));
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
