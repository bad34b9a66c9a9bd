#include <gtest/gtest.h>

#include "core/updaterule.h"

namespace {

struct AnswerCase {
    const char* answer;
    bool namesThisVersion;
};

}  // namespace

TEST(UpdateRule, WhereTheVersionMarkStands)
{
    const AnswerCase cases[] = {
        {"version 18.2", true},            // after a word: fourth character or later
        {"abc 18.2", true},                // exactly at the fourth character
        {"ab 18.2", false},                // at the third
        {" 18.2", false},                  // at the first
        {" 18.2 version 18.2", false},     // only the first occurrence counts
        {"Ny version 18.3 finns", false},  // another version
        {"version 18.21", true},           // a number that begins with 18.2
        {"version 18.2.1", true},
        {"", false},
        {"version 18,2", false},  // decimal comma
        {"version18.2", false},   // no blank before the number
        {"version\t18.2", false},
    };
    for (const AnswerCase& c : cases)
        EXPECT_EQ(AnswerNamesThisVersion(QString::fromUtf8(c.answer)), c.namesThisVersion) << c.answer;
}

TEST(UpdateRule, NoticeOnlyBeforeTheFirstSuccessfulRequest)
{
    EXPECT_TRUE(UpdateNoticeDue(QStringLiteral("Version 19.0 finns nu"), 0));
    EXPECT_TRUE(UpdateNoticeDue(QString(), 0));
    EXPECT_FALSE(UpdateNoticeDue(QStringLiteral("Version 19.0 finns nu"), 1));
    EXPECT_FALSE(UpdateNoticeDue(QStringLiteral("Senaste version 18.2"), 0));
}

TEST(UpdateRule, DecodesTheAnswer)
{
    const QByteArray utf8 = QStringLiteral("Nyare version: 19.0 för V65").toUtf8();
    const QByteArray ansi = QByteArrayLiteral("Nyare version: 19.0 f\xf6r V65");
    const QString expected = QStringLiteral("Nyare version: 19.0 för V65");
    EXPECT_EQ(DecodeUpdateAnswer(utf8, QString()), expected);
    EXPECT_EQ(DecodeUpdateAnswer(ansi, QString()), expected);
    EXPECT_EQ(DecodeUpdateAnswer(ansi, QStringLiteral("text/plain; charset=ISO-8859-1")), expected);
    EXPECT_EQ(DecodeUpdateAnswer(utf8, QStringLiteral("text/plain; Charset=\"utf-8\"")), expected);
    EXPECT_EQ(DecodeUpdateAnswer(utf8, QStringLiteral("text/plain; charset=no-such-codec")), expected);
}
