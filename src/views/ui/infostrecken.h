#pragma once
// "Streck och Streck-100": a fixed text on the two ways of showing streck, opened by the
// reduction window's "Info".

#include "platform/ui/form.h"

class QPlainTextEdit;
class QPushButton;

class TInfoStreck : public VForm {
    Q_OBJECT
public:
    TInfoStreck();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Tillbaka"

    void Button1Click() { close(); }
};

extern TInfoStreck* InfoStreck;
