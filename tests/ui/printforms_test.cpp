#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>
#include <functional>

#include "model/notify.h"
#include "output/ui/fyllakup.h"
#include "output/ui/txtfil.h"
#include "output/ui/xtratext.h"
#include "platform/settingsdir.h"
#include "platform/textfile.h"
#include "platform/ui/printer.h"
#include "support/coupons.h"
#include "windowset.h"

namespace {

void Activate(QWidget* window)
{
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window, &activate);
}

class TextReportWindow : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
    }
    static QString Memo() { return Textfil->MemoTextfil->toPlainText(); }

    QTemporaryDir dir_;
};

TEST_F(TextReportWindow, KeepsTheReportUntilTheSystemChanges)
{
    Activate(Textfil);
    EXPECT_EQ(Memo(), QStringLiteral("Det finns inget system."));
    EXPECT_EQ(Textfil->EditKnr->text(), QStringLiteral("0"));
    EXPECT_EQ(Textfil->Label4->text(), QStringLiteral("(totalt 0 kuponger)"));

    KeepCoupons(3);
    Activate(Textfil);
    EXPECT_EQ(Memo(), QStringLiteral("Klicka på knappen \"Visa\"."));
    EXPECT_EQ(Textfil->EditKnr2->text(), QStringLiteral("3"));
    Textfil->EditKnr->setText(QStringLiteral("0"));  // the first number is at least 1
    EXPECT_EQ(Textfil->EditKnr->text(), QStringLiteral("1"));
    Textfil->Endastkuponger->setChecked(true);
    Textfil->Button1->click();
    EXPECT_TRUE(Memo().contains(QStringLiteral("Kupong 3")));

    // A return to the window keeps the report; a change of the system starts afresh.
    Activate(Textfil);
    EXPECT_TRUE(Memo().contains(QStringLiteral("Kupong 3")));
    Events::ResultsStale.Emit();
    Activate(Textfil);
    EXPECT_EQ(Memo(), QStringLiteral("Klicka på knappen \"Visa\"."));
}

TEST_F(TextReportWindow, RefusesTooLongRanges)
{
    KeepCoupons(150);
    Activate(Textfil);
    EXPECT_EQ(Textfil->EditKnr2->text(), QStringLiteral("100"));
    Textfil->EditKnr2->setText(QStringLiteral("101"));
    Textfil->Button1->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("Högst 100 kuponger i taget. Ändra!")});
    EXPECT_EQ(Memo(), QStringLiteral("Klicka på knappen \"Visa\"."));
}

TEST_F(TextReportWindow, SavesLoadsAndReportsFailures)
{
    KeepCoupons(1);
    Activate(Textfil);
    Textfil->Button1->click();
    const QString written = Memo();
    TestDialogs().fileNames.push_back(dir_.filePath(QStringLiteral("rapport")));
    Textfil->Spara->click();
    ASSERT_TRUE(QFile::exists(dir_.filePath(QStringLiteral("rapport.txt"))));

    Textfil->MemoTextfil->setPlainText(QStringLiteral("annat"));
    TestDialogs().fileNames.push_back(dir_.filePath(QStringLiteral("rapport.txt")));
    Textfil->Button2->click();
    EXPECT_EQ(Memo(), written);

    // A file that cannot be written is reported and nothing is left behind.
    TestDialogs().fileNames.push_back(dir_.filePath(QStringLiteral("saknas/rapport.txt")));
    Textfil->Spara->click();
    EXPECT_EQ(TestDialogs().errors, QStringList{QStringLiteral("Filen rapport.txt kunde inte skrivas.")});
    EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("saknas/rapport.txt"))));
    EXPECT_EQ(TestDialogs().proposedNames.value(2), dir_.filePath(QStringLiteral("rapport")));

    const QString missing = dir_.filePath(QStringLiteral("borta.txt"));
    TestDialogs().fileNames.push_back(missing);
    Textfil->Button2->click();
    EXPECT_EQ(TestDialogs().messages,
              (QStringList{QStringLiteral("Filen ") + missing + QStringLiteral(" finns ej."),
                           QStringLiteral("Systemet kunde inte läsas in.")}));
    EXPECT_EQ(Memo(), written);
}

class OwnTextWindow : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        QStandardPaths::setTestModeEnabled(true);
        for (const char* name : {"inst1.mmo", "inst2.mmo"})
            QFile::remove(SettingsDir() + QLatin1String(name));
    }
    void TearDown() override
    {
        for (const char* name : {"inst1.mmo", "inst2.mmo"})
            QFile::remove(SettingsDir() + QLatin1String(name));
        WindowSetTest::TearDown();
    }
};

TEST_F(OwnTextWindow, LoadWithoutFilesKeepsTheMemo)
{
    Egentext->Memo1->setPlainText(QStringLiteral("Min egen text"));
    Egentext->Lesain->click();
    EXPECT_EQ(Egentext->Memo1->toPlainText(), QStringLiteral("Min egen text"));
    EXPECT_EQ(OwnTextLines, QStringList{QStringLiteral("Min egen text")});

    Egentext->Spara->click();
    Egentext->Memo1->setPlainText(QStringLiteral("ändrad"));
    Egentext->Lesain->click();
    EXPECT_EQ(Egentext->Memo1->toPlainText(), QStringLiteral("Min egen text"));
    EXPECT_TRUE(TestDialogs().errors.isEmpty());
}

TEST_F(OwnTextWindow, PrintedLinesFollowTheMemosWidth)
{
    Egentext->Memo1->setPlainText(
        QStringLiteral("ett två tre fyra fem sex sju åtta nio tio elva tolv tretton"));
    const qsizetype wide = OwnTextLines.size();
    for (int i = 0; i < 23; ++i)
        Egentext->SpinButton1Down->click();
    EXPECT_EQ(Egentext->Memo1->width(), 147);
    EXPECT_GT(OwnTextLines.size(), wide);
    EXPECT_EQ(OwnTextLines.join(QLatin1Char(' ')).simplified(), Egentext->Memo1->toPlainText());
    EXPECT_EQ(OwnTextFont.family, QStringLiteral("MS Sans Serif"));
    Egentext->Radera->click();
    EXPECT_TRUE(OwnTextLines.isEmpty());  // an empty memo prints no line
}

// A text of one very long run loads under the hourglass and breaks anywhere from the moment the
// memo takes it, so that its layout takes time in proportion to its length; a pasted one too.
// The printed lines are the memo's lines.
TEST_F(OwnTextWindow, ALongRunLoadsUnderTheHourglassAndBreaksAnywhere)
{
    const QString run(3000, QLatin1Char('x'));
    ASSERT_TRUE(
        SaveOwnText({run + QStringLiteral("\nett två tre"), PrintFont{QStringLiteral("Arial"), 10}, 285},
                    SettingsDir())
            .isEmpty());
    Egentext->Memo1->setPlainText(QStringLiteral("kort"));
    // What the memo lays text out with when text arrives, and whether the hourglass shows then.
    QTextOption::WrapMode modeWhenTaken = QTextOption::NoWrap;
    bool hourglassWhenTaken = false;
    const QMetaObject::Connection watch = QObject::connect(
        Egentext->Memo1->document(), &QTextDocument::contentsChange, [&](int, int, int added) {
            if (added == 0)
                return;
            modeWhenTaken = Egentext->Memo1->document()->defaultTextOption().wrapMode();
            hourglassWhenTaken = QApplication::overrideCursor() != nullptr &&
                                 QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        });
    Egentext->Lesain->click();
    EXPECT_TRUE(hourglassWhenTaken);
    EXPECT_EQ(modeWhenTaken, QTextOption::WrapAnywhere);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_GT(OwnTextLines.size(), 2);
    EXPECT_EQ(OwnTextLines.mid(0, OwnTextLines.size() - 1).join(QString()), run);
    EXPECT_EQ(OwnTextLines.last(), QStringLiteral("ett två tre"));

    // Text of words breaks between them again.
    Egentext->Radera->click();
    EXPECT_EQ(Egentext->Memo1->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QApplication::clipboard()->setText(run);
    Egentext->Klistra->click();
    QObject::disconnect(watch);
    EXPECT_EQ(modeWhenTaken, QTextOption::WrapAnywhere);
    EXPECT_EQ(Egentext->Memo1->toPlainText(), run);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

// The lines the memo shows, one entry a shown line, as its own layout breaks them.
QStringList MemoShownLines()
{
    QTextDocument* document = Egentext->Memo1->document();
    QStringList lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        document->documentLayout()->blockBoundingRect(block);  // lays the block out
        const QTextLayout* layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines << block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    }
    return lines;
}

// The print-out takes the memo's lines as the memo shows them, whichever way it breaks them: a
// text holding a long run breaks anywhere in the print as in the memo, so that the words before
// the run share its first line (breaking between words there would cost the square of the run).
TEST_F(OwnTextWindow, PrintedLinesAreTheLinesTheMemoShows)
{
    Egentext->show();
    QApplication::processEvents();
    const QString run(1200, QLatin1Char('x'));
    const QString words = QStringLiteral("ett två tre fyra fem sex sju åtta nio tio elva tolv tretton");
    for (const QString& text : {words, words + QLatin1Char('\n') + words, QStringLiteral("ord ") + run,
                                run + QLatin1Char(' ') + words, words + QStringLiteral("\n\n") + run}) {
        Egentext->Memo1->setPlainText(text);
        const QStringList shown = MemoShownLines();
        EXPECT_GT(shown.size(), 1);
        EXPECT_EQ(OwnTextLines, shown) << text.left(20).toStdString();
    }
    Egentext->Memo1->setPlainText(QStringLiteral("ord ") + run);
    EXPECT_EQ(OwnTextLines.first().left(5), QStringLiteral("ord x"));
}

// A binary "inst1.mmo" or a text longer than the memo takes keeps the memo, its font and width.
TEST_F(OwnTextWindow, FilesThatAreNoOwnTextKeepTheMemo)
{
    Egentext->Memo1->setPlainText(QStringLiteral("Min egen text"));
    const OwnTextState before = Egentext->State();
    QByteArray binary;
    for (int i = 0; i < 300; ++i)
        binary += static_cast<char>((i * 91 + 3) % 256);
    ASSERT_TRUE(WriteFileBytes(SettingsDir() + OwnTextFontFileName, binary));
    ASSERT_TRUE(WriteTextLines(SettingsDir() + OwnTextTextFileName, {"annan text"}));
    Egentext->Lesain->click();
    EXPECT_EQ(Egentext->State(), before);

    ASSERT_TRUE(
        SaveOwnText({QString(), PrintFont{QStringLiteral("Arial"), 12}, 291}, SettingsDir()).isEmpty());
    ASSERT_TRUE(WriteFileBytes(SettingsDir() + OwnTextTextFileName, QByteArray(OwnTextMaxLength + 1, 'x')));
    Egentext->Lesain->click();
    EXPECT_EQ(Egentext->State(), before);
    EXPECT_EQ(TestDialogs().messages,
              (QStringList{QStringLiteral("Filen inst1.mmo är ingen inställningsfil och lästes inte in. "
                                          "Inställningarna är oförändrade."),
                           OwnTextFileTooLongMessage}));
}

void PressKeyInMemo(Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(Egentext->Memo1, &press);
}

// The memo holds at most the longest own text, whichever way text arrives (typed, a line
// break, pasted, typed through an input method, the conditions' comments): what would make it
// one character longer is refused with a message and changes nothing, not even the caret;
// what fills it exactly is taken.
TEST_F(OwnTextWindow, TheMemoTakesNoTextBeyondTheLongest)
{
    StartNrCondComments[2] = "favoriter";
    const QString comments = ConditionCommentsText();
    const QString pasted = QStringLiteral("klistrat");
    QApplication::clipboard()->setText(pasted);
    const struct {
        const char* way;
        qsizetype added;
        std::function<void()> enter;
    } ways[] = {
        {"a key", 1, [] { PressKeyInMemo(Qt::Key_A, QStringLiteral("a")); }},
        {"Return", 1, [] { PressKeyInMemo(Qt::Key_Return, QStringLiteral("\r")); }},
        {"Klistra", pasted.size(), [] { Egentext->Klistra->click(); }},
        {"input method", 2,
         [] {
             QInputMethodEvent commit;
             commit.setCommitString(QStringLiteral("éé"));
             QApplication::sendEvent(Egentext->Memo1, &commit);
         }},
        {"Klistra in kommentarer", comments.size(), [] { Egentext->Button1->click(); }},
    };
    for (const auto& w : ways) {
        const QString tooLong = QString(OwnTextMaxLength - w.added + 1, QLatin1Char('x'));
        Egentext->Memo1->setPlainText(tooLong);
        const QStringList lines = OwnTextLines;
        TestDialogs().Reset();
        w.enter();
        EXPECT_EQ(Egentext->Memo1->toPlainText(), tooLong) << w.way;
        EXPECT_EQ(Egentext->Memo1->textCursor().position(), 0) << w.way;
        EXPECT_EQ(OwnTextLines, lines) << w.way;
        EXPECT_EQ(TestDialogs().messages, QStringList{OwnTextTooLongMessage}) << w.way;

        Egentext->Memo1->setPlainText(tooLong.mid(1));
        TestDialogs().Reset();
        w.enter();
        EXPECT_EQ(Egentext->Memo1->toPlainText().size(), OwnTextMaxLength) << w.way;
        EXPECT_TRUE(TestDialogs().messages.isEmpty()) << w.way;
    }

    // A full memo still takes what replaces no more than its selection, and deletes.
    QTextCursor selection = Egentext->Memo1->textCursor();
    selection.setPosition(0);
    selection.setPosition(pasted.size(), QTextCursor::KeepAnchor);
    Egentext->Memo1->setTextCursor(selection);
    Egentext->Klistra->click();
    EXPECT_TRUE(Egentext->Memo1->toPlainText().startsWith(pasted));
    PressKeyInMemo(Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(Egentext->Memo1->toPlainText().size(), OwnTextMaxLength - 1);
    EXPECT_TRUE(TestDialogs().messages.isEmpty());
}

class CouponFormWindow : public WindowSetTest {
protected:
    void SetUp() override
    {
        WindowSetTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        SharedPrinter().setOutputFormat(QPrinter::PdfFormat);
        SharedPrinter().setOutputFileName(dir_.filePath(QStringLiteral("kuponger.pdf")));
    }
    void TearDown() override
    {
        SharedPrinter().setOutputFileName(QString());
        WindowSetTest::TearDown();
    }

    QTemporaryDir dir_;
};

TEST_F(CouponFormWindow, PrintsTheRangeAndRefusesAReversedOne)
{
    KeepCoupons(3);
    for (int k = 1; k <= 3; ++k)
        for (int race = 1; race <= RaceSlots; ++race)
            RowStore[race][k] = 1;
    GroupSystemBuilt = 0;
    Fyllikup->ShowModal();
    EXPECT_EQ(Fyllikup->GroupBox1->title(), QStringLiteral(" 3 kuponger "));
    EXPECT_EQ(Fyllikup->Skrivtomkup->value(), 3);

    Fyllikup->skrivbrK->setValue(1650);
    EXPECT_EQ(CouponFormSettings.width, 1650);
    Fyllikup->Skrivfromkup->setValue(3);
    Fyllikup->Skrivtomkup->setValue(2);
    Fyllikup->Knappskriv->click();
    EXPECT_EQ(TestDialogs().messages, QStringList{QStringLiteral("     Kupongnumren??     ")});

    Fyllikup->Skrivfromkup->setValue(1);
    Fyllikup->Knappskriv->click();
    QFile pdf(dir_.filePath(QStringLiteral("kuponger.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 2);
}

// A "ninstV75.kup" that is no settings file leaves the fields as they were and says so.
TEST_F(CouponFormWindow, AFileThatIsNoSettingsFileLeavesTheFieldsAtTheStart)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString file = SettingsDir() + CouponFormSettingsFileName;
    QByteArray binary;
    for (int i = 0; i < 256; ++i)
        binary += static_cast<char>(255 - i);
    ASSERT_TRUE(WriteFileBytes(file, binary));
    Fyllikup->skrivbrK->setValue(1650);
    Fyllikup->FormCreate();
    EXPECT_EQ(Fyllikup->skrivbrK->value(), 1650);
    EXPECT_EQ(CouponFormSettings.width, 1650);
    EXPECT_EQ(TestDialogs().messages,
              QStringList{QStringLiteral("Filen ninstV75.kup är ingen inställningsfil och lästes inte in. "
                                         "Inställningarna är oförändrade.")});
    QFile::remove(file);
    QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
