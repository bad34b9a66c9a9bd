#pragma once
// "Inställningar": the note that the program saves its settings only when it runs with
// administrator rights, and how to arrange that.

#include "platform/ui/form.h"

class QPlainTextEdit;
class QPushButton;

class TForm2 : public VForm {
    Q_OBJECT
public:
    TForm2();

    QPushButton* Button1 = nullptr;  // "Stäng"
    QPlainTextEdit* Memo2 = nullptr;
};

extern TForm2* Form2;
