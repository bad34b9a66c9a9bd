// The standard dialogs speak Swedish: the program's look installs Qt's Swedish translation.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "platform/ui/dialogs.h"

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

}  // namespace
