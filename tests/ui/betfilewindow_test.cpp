#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "output/reserves.h"
#include "output/ui/atgfilin.h"
#include "windowset.h"

namespace {

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BetFileWindowTest : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ATGFilform->ResetToStartState();
        ASSERT_TRUE(dir_.isValid());
        // One single row, 3 1 7 12 5 2, in chosen order.
        const int row[] = {0, 3, 1, 7, 12, 5, 2, 1};
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][1] = row[race];
        SingleRowCount = 1;
        SingleRowsBuilt = 1;
        ReserveMode = ReserveModeChosenOrder;
        RoundDate = QStringLiteral("2024-04-14");
        ATGFilform->Show();
    }

    QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }

    void Save(const QString& chosen)
    {
        TestDialogs().fileNames.push_back(chosen);
        ATGFilform->Button1->click();
    }

    QTemporaryDir dir_;
};

TEST_F(BetFileWindowTest, WritesTheFileUnderItsCheckValueAndAsksBeforeOverwriting)
{
    EXPECT_EQ(ATGFilform->labelalla->text(), QStringLiteral("alla kuponger, 1 st"));
    EXPECT_TRUE(ATGFilform->ValV64->isChecked());
    EXPECT_EQ(ATGFilform->Edit1->text(), QStringLiteral("2024-04-14"));
    Save(Path("system.xml"));
    const QString written = Path("system-0822.xml");
    EXPECT_EQ(FileBytes(written), FileBytes(QStringLiteral(VIMSTA_TEST_DATA "/betfile/row_mode2.xml")));
    EXPECT_TRUE(TestDialogs().messages.isEmpty());

    Save(Path("system"));  // the same content and name: the question, answered No
    EXPECT_EQ(TestDialogs().proposedNames.value(1), written);  // the dialog proposes the file saved
    EXPECT_EQ(TestDialogs().questions,
              QStringList{QStringLiteral("Ska filen system-0822.xml skrivas över?")});
    EXPECT_EQ(FileBytes(written), FileBytes(QStringLiteral(VIMSTA_TEST_DATA "/betfile/row_mode2.xml")));
    ReserveMode = ReserveModeNone;
    Save(Path("system.xml"));
    EXPECT_EQ(FileBytes(Path("system-1DB9.xml")),
              FileBytes(QStringLiteral(VIMSTA_TEST_DATA "/betfile/row_mode1.xml")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 2);
}

TEST_F(BetFileWindowTest, ABadDateOrAStaleSystemWritesNothing)
{
    for (const char* date : {"2024-02-30", "14/4 2024", "2024-04-1<", ""}) {
        TestDialogs().Reset();
        ATGFilform->Edit1->setText(QString::fromUtf8(date));
        Save(Path("system.xml"));
        EXPECT_EQ(TestDialogs().messages.size(), 1) << date;
        EXPECT_EQ(TestDialogs().fileNames.size(), 1u) << "no save dialog for " << date;
        TestDialogs().fileNames.clear();
    }
    ATGFilform->Edit1->setText(QStringLiteral("2024-04-14"));
    SingleRowsBuilt = 0;
    TestDialogs().Reset();
    Save(Path("system.xml"));
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Systemet är inte konstruerat. Ingen fil har skrivits.")});
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

// The bet file's save dialog and "Spara system" each offer the name last chosen in it, empty
// at start; neither offers the other's.
TEST_F(BetFileWindowTest, TheBetFileAndTheSystemEachOfferTheirOwnLastName)
{
    Save(Path("omg.xml"));
    TestDialogs().fileNames.push_back(Path("mitt"));
    Click("Button9");
    ASSERT_TRUE(QFile::exists(Path("omg-0822.xml")));
    ASSERT_TRUE(QFile::exists(Path("mitt.SV6")));
    ATGFilform->Button1->click();  // no name: cancelled
    Click("Button9");
    EXPECT_EQ(TestDialogs().proposedNames,
              (QStringList{QString(), QString(), Path("omg-0822.xml"), Path("mitt.SV6")}));
}

TEST_F(BetFileWindowTest, AFailedWriteIsReported)
{
    Save(Path("saknas/system.xml"));
    EXPECT_EQ(TestDialogs().errors, QStringList{QStringLiteral("Filen system-0822.xml kunde inte skrivas.")});
}

TEST_F(BetFileWindowTest, OneOfAllItemsAndTheRangeIsAlwaysChosen)
{
    QRadioButton* all = ATGFilform->RadioButton1;
    QRadioButton* range = ATGFilform->RadioButton2;
    const QPoint indicator = all->rect().center();
    for (QRadioButton* clicked : {all, range, range, all, all}) {
        MouseClick(clicked, indicator);
        EXPECT_TRUE(clicked->isChecked());
        EXPECT_NE(all->isChecked(), range->isChecked());
    }
}

TEST_F(BetFileWindowTest, PriceAndMultiplier)
{
    ResultLabels.Prisrader = QStringLiteral("48");
    ATGFilform->SpinEdit3->setValue(10);
    EXPECT_EQ(ATGFilform->Pris->text(), QStringLiteral("Pris, alla kup. 480 kr"));
    ATGFilform->SpinEdit3->setValue(7);
    Save(Path("system.xml"));
    EXPECT_EQ(TestDialogs().messages.size(), 1);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

}  // namespace
