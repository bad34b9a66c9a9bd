#include "platform/ui/dialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <utility>
#include <vector>

#include "platform/ui/swedishtexts.h"

DialogSeam& TestDialogs()
{
    static DialogSeam seam;
    return seam;
}

namespace {

int& LongRunDepth()
{
    static int depth = 0;
    return depth;
}

std::vector<std::function<void()>>& PutOff()
{
    static std::vector<std::function<void()>> actions;
    return actions;
}

}  // namespace

LongRun::LongRun()
{
    ++LongRunDepth();
}

LongRun::~LongRun()
{
    if (--LongRunDepth() > 0)
        return;
    for (auto& action : std::exchange(PutOff(), {}))
        QTimer::singleShot(0, qApp, std::move(action));
}

bool LongRun::Active()
{
    return LongRunDepth() > 0;
}

void AfterLongRun(std::function<void()> action)
{
    if (LongRun::Active())
        PutOff().push_back(std::move(action));
    else
        action();
}

namespace {

// A notice with only an OK button and the application title, or its record in the seam.
void ShowNotice(const QString& text, QMessageBox::Icon icon, QStringList& record)
{
    if (LongRun::Active()) {
        AfterLongRun([text, icon, &record] { ShowNotice(text, icon, record); });
        return;
    }
    if (TestDialogs().active) {
        record << text;
        if (TestDialogs().noticed)
            TestDialogs().noticed(text);
        return;
    }
    QMessageBox box(icon, ApplicationTitle, text, QMessageBox::Ok);
    box.exec();
}

}  // namespace

void ShowMessage(const QString& text)
{
    ShowNotice(text, QMessageBox::Information, TestDialogs().messages);
}

void ShowErrorMessage(const QString& text)
{
    ShowNotice(text, QMessageBox::Critical, TestDialogs().errors);
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

// A Yes/No box that tells a dismissal apart from No: Escape and the close box set Cancelled.
class CancellableQuestion : public QMessageBox {
public:
    explicit CancellableQuestion(const QString& text)
        : QMessageBox(QMessageBox::Question, QString(), text, QMessageBox::Yes | QMessageBox::No)
    {
    }
    bool Cancelled() const { return cancelled_; }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (e->matches(QKeySequence::Cancel)) {
            cancelled_ = true;
            reject();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override
    {
        cancelled_ = true;
        QMessageBox::closeEvent(e);
    }

private:
    bool cancelled_ = false;
};

}  // namespace

Answer AskYesNoOrCancel(const QString& text)
{
    if (TestDialogs().active)
        return AskYesNo(text) ? Answer::Yes : Answer::No;
    CancellableQuestion box(text);
    box.exec();
    if (box.Cancelled())
        return Answer::Cancel;
    return box.clickedButton() == box.button(QMessageBox::Yes) ? Answer::Yes : Answer::No;
}

namespace {

// Turns a "Text (*.ext)|*.ext" filter into Qt's "Text (*.ext)".
QString QtFilter(const QString& filter)
{
    const int bar = filter.indexOf(QLatin1Char('|'));
    return bar < 0 ? filter : filter.left(bar);
}

// Qt's own open or save dialog, which shows the files' sizes and dates in Swedish.
QString RunFileDialog(QWidget* parent, const QString& filter, const QString& startName,
                      QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), startName, QtFilter(filter));
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    ShowFileDetailsInSwedish(dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString NextSeamFileName(const QString& proposed)
{
    DialogSeam& seam = TestDialogs();
    seam.proposedNames << proposed;
    if (seam.fileNames.empty())
        return QString();
    const QString name = seam.fileNames.front();
    seam.fileNames.pop_front();
    return name;
}

}  // namespace

QString ChooseOpenFileName(QWidget* parent, const QString& filter, const QString& startName)
{
    if (TestDialogs().active)
        return NextSeamFileName(startName);
    return RunFileDialog(parent, filter, startName, QFileDialog::AcceptOpen);
}

QString ChooseSaveFileName(QWidget* parent, const QString& filter, const QString& startName)
{
    if (TestDialogs().active)
        return NextSeamFileName(startName);
    return RunFileDialog(parent, filter, startName, QFileDialog::AcceptSave);
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
