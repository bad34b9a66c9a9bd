#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

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

TEST(UpdateAddress, TheSettingsFileNamesOneHttpsAddress)
{
    const QString address = QStringLiteral("https://vimsta.test/v/version.txt");
    const struct {
        QByteArray bytes;
        QString expected;
    } cases[] = {
        {"https://vimsta.test/v/version.txt\r\n", address},
        {"https://vimsta.test/v/version.txt", address},
        {"  https://vimsta.test/v/version.txt \n", address},
        {"https://127.0.0.1:8443/v.txt\r\n", QStringLiteral("https://127.0.0.1:8443/v.txt")},
        // trailing empty lines, as many editors save the file, and blanks around the address
        {"https://vimsta.test/v/version.txt\r\n\r\n", address},
        {"https://vimsta.test/v/version.txt\n\n\n", address},
        {"\thttps://vimsta.test/v/version.txt  \r\n  \r\n\t\r\n", address},
        {"https://vimsta.test/v/version.txt\r\n\r\nhttps://annan.test/v.txt\r\n", QString()},
        {"\r\nhttps://vimsta.test/v/version.txt\r\n", QString()},  // the address is the first line
        {"\r\n\r\n", QString()},
        {"", QString()},
        {"\r\n", QString()},
        {"http://vimsta.test/v/version.txt\r\n", QString()},  // not over HTTPS
        {"ftp://vimsta.test/v.txt\r\n", QString()},
        {"https:///v.txt\r\n", QString()},  // no host
        {"vimsta.test/v.txt\r\n", QString()},
        {"https://vimsta.test/v.txt\r\nhttps://annan.test/v.txt\r\n", QString()},  // two lines
        {"https://vim sta.test/v.txt\r\n", QString()},
        {QByteArray("https://vimsta.test/\0x", 22), QString()},
        {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), QString()},
        {"https://vimsta.test/" + QByteArray(3000, 'a') + "\r\n", QString()},  // too long for a line
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseUpdateAddressFile(c.bytes), QUrl(c.expected)) << c.bytes.left(60).constData();
}

TEST(UpdateAddress, TheSettingsFolderBeforeTheBuildAndNoneWithNeither)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path() + QLatin1Char('/');
    const QString built = QStringLiteral("https://bygge.test/version.txt");
    const auto writeSettings = [&](const QByteArray& bytes) {
        QFile file(folder + UpdateAddressFileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };

    EXPECT_EQ(ConfiguredUpdateAddress(folder, QString()), QUrl());
    EXPECT_EQ(ConfiguredUpdateAddress(folder, built), QUrl(built));
    EXPECT_EQ(ConfiguredUpdateAddress(folder, QStringLiteral("uppdatering")), QUrl());

    writeSettings("https://mapp.test/version.txt\r\n");
    EXPECT_EQ(ConfiguredUpdateAddress(folder, built), QUrl(QStringLiteral("https://mapp.test/version.txt")));
    EXPECT_EQ(ConfiguredUpdateAddress(folder, QString()),
              QUrl(QStringLiteral("https://mapp.test/version.txt")));

    writeSettings("inte en adress\r\n");  // a refused file sets nothing
    EXPECT_EQ(ConfiguredUpdateAddress(folder, built), QUrl(built));
    EXPECT_EQ(ConfiguredUpdateAddress(folder, QString()), QUrl());
}
