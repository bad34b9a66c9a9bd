#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>

#include "core/ui/aboutb.h"
#include "core/ui/info.h"
#include "core/ui/infoch.h"
#include "core/ui/infoomreduc.h"
#include "core/ui/inforeduc.h"
#include "core/ui/rettainfo.h"
#include "core/ui/textinfo.h"
#include "core/ui/utdelningsintervall.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/printer.h"

namespace {

struct WindowCase {
    std::function<HelpWindow*()> create;
    const char* className;
    const char* caption;
    QSize clientSize;
    QColor colour;
    bool modal;
    const char* closeButton;
    const char* closeCaption;
};

const WindowCase Windows[] = {
    {[] { return new TInformation; },
     "TInformation",
     "Komma igång",
     {461, 452},
     ToQColor(Cream),
     true,
     "Button1",
     "Tillbaka"},
    {[] { return new TAboutC; }, "TAboutC", "Vimsta ", {335, 230}, ToQColor(Cream), false, "OKButton", "OK"},
    {[] { return new TRettningsinfo; },
     "TRettningsinfo",
     "Rättningsdelen",
     {417, 427},
     ToQColor(Cream),
     true,
     "Button1",
     "Tillbaka"},
    {[] { return new TReducinfo; },
     "TReducinfo",
     "Om reducering",
     {429, 370},
     SilverColour,
     true,
     "Button1",
     "Tillbaka"},
    {[] { return new TInfoChans; },
     "TInfoChans",
     "Information till chansvärdering, poäng och streckfördelning",
     {540, 457},
     ToQColor(Cream),
     false,
     "Button1",
     "Tillbaka"},
    {[] { return new TtxtInfo; },
     "TtxtInfo",
     "Information om textfilen",
     {334, 303},
     SilverColour,
     true,
     "Button1",
     "Tillbaka"},
    {[] { return new TInfoutdelning; },
     "TInfoutdelning",
     "Utdelningsintervall",
     {518, 457},
     ToQColor(Cream),
     false,
     "Button1",
     "Tillbaka"},
    {[] { return new TInforeducering; },
     "TInforeducering",
     "Reducering med enkelrader",
     {419, 566},
     ToQColor(Cream),
     true,
     "Button1",
     "Stäng"},
};

class InfoWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDialogs().Reset();
        TestFontChoices().clear();
        savedFont_ = PrinterFont();
    }
    void TearDown() override
    {
        SetPrinterFont(savedFont_);
        TestFontChoices().clear();
        TestDialogs() = DialogSeam();
    }

private:
    QFont savedFont_;
};

}  // namespace

TEST_F(InfoWindows, CaptionSizeColourAndOpeningOfEachWindow)
{
    for (const WindowCase& c : Windows) {
        SCOPED_TRACE(c.className);
        TestDialogs().Reset();
        std::unique_ptr<HelpWindow> window(c.create());
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(window->size(), c.clientSize);
        EXPECT_EQ(window->palette().color(QPalette::Window), c.colour);
        EXPECT_FALSE(window->isVisible());

        window->Open();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(TestDialogs().modalWindows.contains(QString::fromLatin1(c.className)), c.modal);

        auto* close = window->findChild<QPushButton*>(QString::fromLatin1(c.closeButton));
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->text(), QString::fromUtf8(c.closeCaption));
        close->click();
        EXPECT_FALSE(window->isVisible());

        window->Open();  // the same window shows again
        EXPECT_TRUE(window->isVisible());
        window->close();
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(InfoWindows, MemosHoldTheirTextsReadOnlyUnlessSaid)
{
    struct MemoCase {
        std::function<HelpWindow*()> create;
        const char* memo;
        bool readOnly;
        Qt::ScrollBarPolicy scrollBar;
    };
    const MemoCase cases[] = {
        {[] { return new TInformation; }, "Info", true, Qt::ScrollBarAlwaysOn},
        {[] { return new TRettningsinfo; }, "Memo1", true, Qt::ScrollBarAlwaysOn},
        {[] { return new TReducinfo; }, "Memo1", true, Qt::ScrollBarAlwaysOn},
        {[] { return new TInfoChans; }, "Memo1", true, Qt::ScrollBarAlwaysOn},
        {[] { return new TtxtInfo; }, "Memo1", false, Qt::ScrollBarAlwaysOff},
        {[] { return new TInfoutdelning; }, "Memo1", true, Qt::ScrollBarAlwaysOn},
        {[] { return new TInforeducering; }, "Memo1", true, Qt::ScrollBarAlwaysOff},
    };
    for (const MemoCase& c : cases) {
        std::unique_ptr<HelpWindow> window(c.create());
        SCOPED_TRACE(window->objectName().toStdString());
        auto* memo = window->findChild<QPlainTextEdit*>(QString::fromLatin1(c.memo));
        ASSERT_NE(memo, nullptr);
        EXPECT_GT(memo->toPlainText().size(), 100);
        EXPECT_EQ(memo->isReadOnly(), c.readOnly);
        EXPECT_EQ(memo->verticalScrollBarPolicy(), c.scrollBar);
        EXPECT_TRUE(window->rect().contains(memo->geometry()));
    }
}

TEST_F(InfoWindows, GettingStartedHasItsButtonsAndArialMemo)
{
    TInformation window;
    const std::pair<const char*, const char*> buttons[] = {
        {"Button3", "Teckensnitt"}, {"Button2", "Skriv"}, {"Button1", "Tillbaka"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), QString::fromUtf8(caption));
        EXPECT_TRUE(window.rect().contains(button->geometry())) << name;
    }
    const auto* memo = window.findChild<QPlainTextEdit*>(QStringLiteral("Info"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->font().pixelSize(), 13);
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("6. Rätta systemet")));
    EXPECT_EQ(window.PrintFont().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(window.PrintFont().pointSize(), 8);
}

TEST_F(InfoWindows, FontChoiceGoesOnThePrinterCanvasAlsoAfterACancel)
{
    TInformation window;
    auto* fontButton = window.findChild<QPushButton*>(QStringLiteral("Button3"));
    ASSERT_NE(fontButton, nullptr);

    const QFont chosen(QStringLiteral("Liberation Serif"), 14);
    TestFontChoices().push_back(chosen);
    fontButton->click();
    EXPECT_EQ(PrinterFont(), chosen);
    EXPECT_EQ(window.PrintFont(), chosen);

    SetPrinterFont(QFont(QStringLiteral("Liberation Mono"), 30));  // another window's print-out
    TestFontChoices().push_back(std::nullopt);                     // cancel
    fontButton->click();
    EXPECT_EQ(PrinterFont(), chosen);
}

TEST_F(InfoWindows, AboutBoxShowsNameVersionAndPicture)
{
    TAboutC about;
    const auto* name = about.findChild<QLabel*>(QStringLiteral("ProductName"));
    const auto* version = about.findChild<QLabel*>(QStringLiteral("Version"));
    const auto* icon = about.findChild<QLabel*>(QStringLiteral("ProgramIcon"));
    ASSERT_TRUE(name && version && icon);
    EXPECT_EQ(name->text(), QStringLiteral("Vimsta för V65-V64"));
    EXPECT_EQ(version->text(), QStringLiteral("Version 18.1"));
    EXPECT_EQ(icon->pixmap().size(), QSize(64, 64));
}

TEST_F(InfoWindows, AMovedWindowComesBackWhereItWasLeft)
{
    TAboutC about;
    about.Open();
    about.move(123, 145);
    const QPoint moved = about.pos();
    about.OKButtonClick();
    about.Open();
    EXPECT_EQ(about.pos(), moved);
    about.Open();  // a second "©" brings the same window forward
    EXPECT_TRUE(about.isVisible());
}
