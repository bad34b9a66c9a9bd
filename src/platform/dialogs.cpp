#include "platform/dialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

DialogSeam& TestDialogs()
{
    static DialogSeam seam;
    return seam;
}

void ShowMessage(const QString& text)
{
    DialogSeam& seam = TestDialogs();
    if (seam.active) {
        seam.messages << text;
        return;
    }
    QMessageBox::information(nullptr, ApplicationTitle, text, QMessageBox::Ok);
}

void ShowErrorMessage(const QString& text)
{
    DialogSeam& seam = TestDialogs();
    if (seam.active) {
        seam.errors << text;
        return;
    }
    QMessageBox::critical(nullptr, ApplicationTitle, text, QMessageBox::Ok);
}

bool AskYesNo(const QString& text)
{
    DialogSeam& seam = TestDialogs();
    if (seam.active) {
        seam.questions << text;
        if (seam.answers.empty())
            return false;
        const bool yes = seam.answers.front();
        seam.answers.pop_front();
        return yes;
    }
    return QMessageBox::question(nullptr, QString(), text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

namespace {

// Turns a "Text (*.ext)|*.ext" filter into Qt's "Text (*.ext)".
QString QtFilter(const QString& filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    return bar < 0 ? filter : filter.left(bar);
}

QString NextSeamFileName()
{
    DialogSeam& seam = TestDialogs();
    if (seam.fileNames.empty())
        return QString();
    const QString name = seam.fileNames.front();
    seam.fileNames.pop_front();
    return name;
}

}  // namespace

QString ChooseOpenFileName(QWidget* parent, const QString& filter)
{
    if (TestDialogs().active)
        return NextSeamFileName();
    return QFileDialog::getOpenFileName(parent, QString(), QString(), QtFilter(filter));
}

QString ChooseSaveFileName(QWidget* parent, const QString& filter)
{
    if (TestDialogs().active)
        return NextSeamFileName();
    return QFileDialog::getSaveFileName(parent, QString(), QString(), QtFilter(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void ShowModal(QWidget* window)
{
    DialogSeam& seam = TestDialogs();
    if (seam.active) {
        seam.modalWindows << window->metaObject()->className();
        window->show();
        return;
    }
    if (auto* dialog = qobject_cast<QDialog*>(window)) {
        dialog->exec();
        return;
    }
    window->setWindowModality(Qt::ApplicationModal);
    window->show();
}
