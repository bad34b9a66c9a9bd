#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "output/systemprint.h"
#include "output/ui/skrivaut.h"
#include "pdfprinting.h"
#include "pdftext.h"
#include "platform/settingsdir.h"
#include "platform/textfile.h"
#include "platform/ui/printer.h"
#include "support/coupons.h"
#include "support/marks.h"

namespace {

class SystemPrintWindow : public PdfPrintingTest {
protected:
    int PdfPages() const
    {
        QFile file(pdf_);
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count("/Type /Page\n")) : 0;
    }
};

TEST_F(SystemPrintWindow, PrintsTheHeaderWithoutASystem)
{
    MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
    Skriva->Show();
    Skriva->Kollatext->setChecked(false);
    Skriva->Button2Click();
    EXPECT_TRUE(TestDialogs().messages.isEmpty())
        << TestDialogs().messages.join(QLatin1Char('|')).toStdString();
    const QStringList runs = pdftext::TextRuns(pdf_);
    for (const char* text : {"Vimsta för V64", "Ranking", "Vinnare"})
        EXPECT_TRUE(runs.contains(QString::fromUtf8(text)))
            << text << " in " << runs.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(runs.join(QLatin1Char('|')).contains(QStringLiteral("Inom ramen: ")));
}

TEST_F(SystemPrintWindow, IsSilverLikeTheOtherOutputDialogs)
{
    EXPECT_EQ(BackgroundOf(Skriva), QColor(192, 192, 192));
}

TEST_F(SystemPrintWindow, PrintsASmallCouponSystemToPdf)
{
    MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
    StoreSmallGroupCoupons();
    SystemName = QStringLiteral("Testsystem");
    UnreducedRowCount = 120;
    Skriva->Show();
    Skriva->Kollatext->setChecked(false);
    Skriva->tmarginal->setValue(10);
    Skriva->vmarginal->setValue(10);
    Skriva->Button2Click();
    EXPECT_TRUE(TestDialogs().messages.isEmpty())
        << TestDialogs().messages.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(PdfPages(), 1);
    const QStringList runs = pdftext::TextRuns(pdf_);
    for (const char* text : {"Testsystem", "Inom ramen: 120 rader.", "Ranking", "Vinnare", "Kupong 1",
                             "Kupong 2", "2x1x3x1x1x2 = 12 r"})
        EXPECT_TRUE(runs.contains(QString::fromUtf8(text)))
            << text << " in " << runs.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(PrinterFont(), Skriva->FontDialog1.font());
}

}  // namespace

namespace {

TEST_F(SystemPrintWindow, EveryCaptionFitsItsControl)
{
    MarkRaces({"AC", "A", "AAA", "AB", "A", "AA"});
    KeepCoupons(2);
    Skriva->Show();
    QApplication::setActiveWindow(Skriva);
    QApplication::processEvents();
    for (QWidget* control : Skriva->findChildren<QWidget*>()) {
        QString text;
        int room = control->width();
        if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            text = button->text();
            if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control))
                room -= 22;  // the box or circle before the caption
        }
        EXPECT_LE(control->fontMetrics().horizontalAdvance(text), room)
            << control->objectName().toStdString();
    }
}

}  // namespace

namespace {

TEST_F(SystemPrintWindow, SavedSettingsComeBackAtTheNextStart)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString file = SettingsDir() + SystemPrintSettingsFileName;
    Skriva->Kollarank->setChecked(false);
    Skriva->bmarginal->setValue(17);
    Skriva->spacing[static_cast<std::size_t>(LineSpacing::Large)]->setChecked(true);
    QFont font(QStringLiteral("DejaVu Serif"), 12);
    font.setItalic(true);
    Skriva->FontDialog1.setFont(font);
    const SystemPrintSettings saved = Skriva->Settings();
    Skriva->SparaKnapp->click();
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
    Skriva->ResetToStartState();
    EXPECT_NE(Skriva->Settings(), saved);
    Skriva->FormCreate();
    EXPECT_EQ(Skriva->Settings(), saved);
    QFile::remove(file);
    Skriva->ResetToStartState();
    QStandardPaths::setTestModeEnabled(false);
}

// A "ninst.pap" that is no settings file leaves the window as it was and says so at the start.
TEST_F(SystemPrintWindow, AFileThatIsNoSettingsFileLeavesTheSettingsAtTheStart)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString file = SettingsDir() + SystemPrintSettingsFileName;
    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary += static_cast<char>((i * 53 + 7) % 256);
    ASSERT_TRUE(WriteFileBytes(file, binary));
    Skriva->tmarginal->setValue(12);
    SystemPrintSettings before = Skriva->Settings();
    before.font.pointSize = PointSizeOf(PrinterFont());  // where the start takes the size from
    Skriva->FormCreate();
    EXPECT_EQ(Skriva->Settings(), before);
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Filen ninst.pap är ingen inställningsfil och lästes inte in. "
                                         "Inställningarna är oförändrade.")});
    QFile::remove(file);
    Skriva->ResetToStartState();
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
