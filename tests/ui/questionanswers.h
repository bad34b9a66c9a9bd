#pragma once
// The ways a user can answer the real question box that would give unsaved work up: only "Nej"
// gives it up; Escape and the close box cancel.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <functional>
#include <vector>

struct QuestionAnswer {
    const char* how;
    std::function<void(QMessageBox*)> answer;
    bool givesUp;
};

inline std::vector<QuestionAnswer> WaysToAnswerTheQuestion()
{
    return {
        {"Escape",
         [](QMessageBox* box) {
             QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
             QCoreApplication::sendEvent(box, &escape);
         },
         false},
        {"close box", [](QMessageBox* box) { box->close(); }, false},
        {"Nej", [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }, true},
    };
}
