// The standard dialogs speak Swedish: the program's look installs Qt's Swedish translation and
// the program's own Swedish for what that lacks.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "platform/ui/printer.h"

namespace {

TEST(SwedishDialogs, AQuestionAnswersJaOrNej)
{
    TestDialogs() = DialogSeam();  // the real question box
    QStringList captions;
    QTimer::singleShot(0, [&captions] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
            captions << button->text().remove(QLatin1Char('&'));
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(AskYesNo(QStringLiteral("Ska filen x.str skrivas över?")));
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nej")}));
    EXPECT_EQ(QLocale().language(), QLocale::Swedish);
}

// A text as the user reads it: without its mnemonic marks and a menu entry's shortcut.
QString AsRead(QString text)
{
    return text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

// The texts a dialog or menu shows: labels, buttons, group boxes, the entries of its lists and
// menus.
QStringList VisibleTexts(QWidget* top)
{
    QStringList texts;
    for (QAction* action : top->actions())
        if (action->isVisible() && !action->isSeparator())
            texts << AsRead(action->text());
    for (QWidget* child : top->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(top))
            continue;
        if (auto* label = qobject_cast<QLabel*>(child))
            texts << AsRead(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(child))
            texts << AsRead(button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(child))
            texts << AsRead(box->title());
        else if (auto* list = qobject_cast<QComboBox*>(child))
            for (int i = 0; i < list->count(); ++i)
                texts << AsRead(list->itemText(i));
    }
    return texts;
}

// Runs open, which shows a dialog or a menu and waits for it; takes the texts it shows once
// prepare has run on it, then closes it.
QStringList TextsShownBy(
    const std::function<void()>& open, const std::function<void(QWidget*)>& prepare = [](QWidget*) {})
{
    TestDialogs() = DialogSeam();  // the real dialogs
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                           : QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        prepare(shown);
        texts = VisibleTexts(shown);
        shown->close();
    });
    open();
    return texts;
}

// The texts that Qt's Swedish catalogue lacks, as the dialogs would show them in English.
const QStringList EnglishTexts = {
    QStringLiteral("Print"),      QStringLiteral("Properties"),   QStringLiteral("Options >>"),
    QStringLiteral("Options <<"), QStringLiteral("Name:"),        QStringLiteral("Location:"),
    QStringLiteral("Type:"),      QStringLiteral("Output file:"), QStringLiteral("Print to File (PDF)"),
    QStringLiteral("Look in:"),   QStringLiteral("Select All"),   QStringLiteral("Any"),
    QStringLiteral("Latin"),      QStringLiteral("Greek"),        QStringLiteral("Cyrillic"),
};

void ClickOptions(QWidget* dialog)
{
    for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().endsWith(QLatin1String(">>")))
            button->click();
}

void OpenSpinBoxMenu()
{
    QSpinBox spinBox;
    spinBox.show();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), spinBox.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&spinBox, &event);
}

TEST(SwedishDialogs, PrinterFileFontDialogsAndContextMenusShowNoEnglish)
{
    struct Case {
        const char* what;
        std::function<void()> open;
        std::function<void(QWidget*)> prepare;
        QStringList swedish;  // texts that show the dialog was read in Swedish
    };
    const Case cases[] = {
        {"printer dialog with its options",
         [] { ChoosePrinter(nullptr); },
         ClickOptions,
         {QStringLiteral("Namn:"), QStringLiteral("Egenskaper"), QStringLiteral("Plats:"),
          QStringLiteral("Utdatafil:"), QStringLiteral("Skriv ut till fil (PDF)"), QStringLiteral("Skriv ut"),
          QStringLiteral("Alternativ <<"), QStringLiteral("Kopior:")}},
        {"file dialog",
         [] { ChooseOpenFileName(nullptr, QStringLiteral("Vimsta V6 (*.SV6)|*.SV6")); },
         [](QWidget*) {},
         {QStringLiteral("Leta i:"), QStringLiteral("Filnamn:")}},
        {"font dialog",
         [] { FontDialog(SansFont(12)).Execute(nullptr); },
         [](QWidget*) {},
         {QStringLiteral("Alla"), QStringLiteral("Latinskt"), QStringLiteral("Kyrilliskt")}},
        {"spin box menu",
         OpenSpinBoxMenu,
         [](QWidget*) {},
         {QStringLiteral("Markera alla"), QStringLiteral("Stega uppåt"), QStringLiteral("Kopiera")}},
    };
    for (const Case& c : cases) {
        const QStringList shown = TextsShownBy(c.open, c.prepare);
        for (const QString& english : EnglishTexts)
            EXPECT_FALSE(shown.contains(english)) << c.what << ": " << english.toStdString();
        for (const QString& swedish : c.swedish)
            EXPECT_TRUE(shown.contains(swedish)) << c.what << ": " << swedish.toStdString();
    }
    TestDialogs() = DialogSeam();
}

// Qt's file dialog writes a file's date and size in the system's locale, English on a system
// set to English or to none ("11 Dec"): the dialog shows them as Swedish writes them.
TEST(SwedishDialogs, TheFileDialogShowsDatesAndSizesInSwedish)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("omg.SV6")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(QByteArray(1536, 'x')), 1536);
    ASSERT_TRUE(file.flush());
    const QDateTime modified(QDate(2024, 12, 11), QTime(16, 37));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    TestDialogs() = DialogSeam();  // the real dialog
    QString date;
    QString size;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        const auto* files = dialog->findChild<QFileSystemModel*>();
        const auto* details = dialog->findChild<QTreeView*>();
        ASSERT_TRUE(files && details);
        // The file's cells as the detail view shows them, through whatever model it is given.
        const auto shown = [&](int column) {
            const QModelIndex cell = files->index(file.fileName(), column);
            const auto* proxy = qobject_cast<const QAbstractProxyModel*>(details->model());
            return (proxy ? proxy->mapFromSource(cell) : cell).data().toString();
        };
        size = shown(1);
        date = shown(3);
        QMetaObject::invokeMethod(dialog, "accept");  // "Öppna"
    });
    const QString chosen =
        ChooseOpenFileName(nullptr, QStringLiteral("Vimsta V6 (*.SV6)|*.SV6"), file.fileName());
    TestDialogs() = DialogSeam();
    EXPECT_EQ(chosen, file.fileName());  // the proposed file, chosen as it stands
    EXPECT_EQ(date.toStdString(), swedish.toString(modified, QLocale::ShortFormat).toStdString());
    EXPECT_EQ(size.toStdString(), swedish.formattedDataSize(1536).toStdString());
}

}  // namespace
