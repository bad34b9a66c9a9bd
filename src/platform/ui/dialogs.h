#pragma once
// Message boxes and file dialogs of the program, with a seam through which tests answer
// them without a person.

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

class QWidget;

// Caption of every plain notice; questions carry the platform's own caption.
inline const QString ApplicationTitle = QStringLiteral("Vimsta för V65-V64, version 13");
// The application's name as the platform knows it: neutral, so that the platform puts no
// title of ours on the questions.
inline const QString ApplicationName = QStringLiteral("vimsta");

// A long computation that lets events through while input is blocked. While one runs no box
// may open: a notice that arrives meanwhile (the update notice) and every action put off with
// AfterLongRun run from the event loop once the outermost run has ended. The runs hold one
// through their RunGuard (runguard.h).
class LongRun {
public:
    LongRun();
    ~LongRun();
    LongRun(const LongRun&) = delete;
    LongRun& operator=(const LongRun&) = delete;
    static bool Active();
};
void AfterLongRun(std::function<void()> action);

// A plain notice with only an OK button.
void ShowMessage(const QString& text);
// An error message: the error icon and only an OK button.
void ShowErrorMessage(const QString& text);
// A Yes/No question; true on Yes.
bool AskYesNo(const QString& text);
// A Yes/No question for which No gives something up: its Escape key and close box cancel
// rather than answer No. While the seam is active it answers Yes or No as AskYesNo does.
enum class Answer { Yes, No, Cancel };
Answer AskYesNoOrCancel(const QString& text);
// The platform's open and save dialogs with one filter ("Vimsta V6 (*.SV6)|*.SV6" style or
// Qt style), proposing startName (the file the dialog last held; empty: none). Empty when
// cancelled. The callers force extensions and ask before overwriting.
QString ChooseOpenFileName(QWidget* parent, const QString& filter, const QString& startName = QString());
QString ChooseSaveFileName(QWidget* parent, const QString& filter, const QString& startName = QString());
// A file dialog of a window: one filter; Execute returns the chosen name, empty when cancelled.
struct TFileDialog {
    QString Filter;
    bool Save;
    QString Execute(QWidget* parent) const
    {
        return Save ? ChooseSaveFileName(parent, Filter) : ChooseOpenFileName(parent, Filter);
    }
};
// Shows a window modally; returns when it is closed.
void ShowModal(QWidget* window);

// While active, no dialog is shown: notices and questions are recorded, questions take the
// next queued answer (No when none is queued), file dialogs the next queued name (cancel when
// none), and modal windows are shown modeless and the call returns at once.
struct DialogSeam {
    bool active = false;
    std::deque<bool> answers;
    std::deque<QString> fileNames;
    QStringList messages;
    QStringList errors;  // texts of error messages
    QStringList questions;
    QStringList modalWindows;   // object names or class names of windows shown modally
    QStringList proposedNames;  // the start name of every file dialog asked for
    // Called as each notice or error is recorded, while the program stands where it shows it.
    std::function<void(const QString& text)> noticed;

    void Reset()
    {
        *this = DialogSeam();
        active = true;
    }
};
DialogSeam& TestDialogs();
