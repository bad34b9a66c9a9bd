// Every print path of the program, from the window that starts it: a print that the disk cannot
// hold is reported with one text and leaves no cut file under the chosen name, and the printer
// stays ready for the next print.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>

#include "core/ui/info.h"
#include "grading/ui/ekonomiu.h"
#include "grading/ui/rettar2.h"
#include "model/variabl.h"
#include "output/couponhorses.h"
#include "output/ui/fyllakup.h"
#include "output/ui/skrivaut.h"
#include "pdfprinting.h"
#include "platform/printcanvas.h"
#include "platform/ui/printer.h"
#include "racedata/ui/datavisa.h"
#include "support/coupons.h"
#include "support/filesizelimit.h"
#include "support/marks.h"
#include "support/startlists.h"
#include "views/ui/streckford.h"

namespace {

class PrintFailure : public PdfPrintingTest {
protected:
    // Two kept coupons of one horse per race and the winners 1-6.
    static void StoreTwoCouponsAndWinners()
    {
        GroupSystemBuilt = 0;
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = RowStore[race][2] = race <= PoolRaces ? HorseBit(race) : HorseBit(1);
        KeepCoupons(2);
        for (int race = 1; race <= PoolRaces; ++race)
            Retta2->WinnerBoxMouseDown(race, race);
    }

    // The window shown and active, as the user sees it when clicking in it.
    static void ShowActive(VForm* window)
    {
        window->Show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window, &activate);
    }

    // A PDF that its writer finished: it ends with the end marker. A whole print need not match
    // the first one byte for byte: the race data takes its line height from the printer font
    // that the print before it left.
    static bool EndsWhole(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF");
    }

    static void ClickButton(QWidget* window, const char* name)
    {
        window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
};

TEST_F(PrintFailure, EveryPrintTheDiskCannotHoldIsReportedAndLeavesNoFile)
{
    const struct {
        const char* path;
        VForm* window;
        std::function<void()> prepare;
        std::function<void()> print;
    } paths[] = {
        {"system print-out", Skriva,
         [] {
             MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
             StoreSmallGroupCoupons();
         },
         [] { Skriva->Button2->click(); }},
        {"coupon forms", Fyllikup, [] { KeepCoupons(3); }, [] { Fyllikup->Knappskriv->click(); }},
        {"test coupon", Fyllikup, [] {}, [] { Fyllikup->Button4->click(); }},
        {"grading result", Retta2, [] { StoreTwoCouponsAndWinners(); },
         [] {
             Retta2->Button1->click();  // "Rätta"
             Retta2->Button3->click();
         }},
        {"ledger", Ekonomi, [] {}, [] { Ekonomi->Button4->click(); }},
        {"race data (start lists)", Data,
         [] {
             FillRace3();
             StartListLoaded = 1;
         },
         [] { Data->Button13->click(); }},
        {"row distribution", Streckf, [] {}, [] { Streckf->Button5->click(); }},
        {"getting-started guide", Information, [] {}, [] { ClickButton(Information, "Button2"); }},
    };
    for (const auto& path : paths) {
        StartClean();
        QFile::remove(pdf_);
        path.prepare();
        ShowActive(path.window);
        path.print();
        ASSERT_TRUE(TestDialogs().messages.isEmpty())
            << path.path << ": " << TestDialogs().messages.join(QLatin1Char('|')).toStdString();
        const qint64 whole = QFileInfo(pdf_).size();
        ASSERT_GT(whole, 2) << path.path;
        ASSERT_TRUE(EndsWhole(pdf_)) << path.path;
        {
            const FileSizeLimit limit(static_cast<rlim_t>(whole / 2));
            path.print();
        }
        EXPECT_EQ(TestDialogs().messages.join(QLatin1Char('|')).toStdString(),
                  PrintFailedMessage.toStdString())
            << path.path;
        EXPECT_TRUE(TestDialogs().errors.isEmpty()) << path.path;
        EXPECT_FALSE(QFile::exists(pdf_)) << path.path;

        // With room again the next print is whole.
        TestDialogs().Reset();
        path.print();
        EXPECT_TRUE(TestDialogs().messages.isEmpty()) << path.path;
        EXPECT_TRUE(EndsWhole(pdf_)) << path.path;
        EXPECT_GT(QFileInfo(pdf_).size(), whole / 2) << path.path;
    }
}

}  // namespace
