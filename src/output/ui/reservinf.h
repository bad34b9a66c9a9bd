#pragma once
// The help window of the reserve window: what the four reserve modes do.

#include "platform/ui/form.h"

class QPlainTextEdit;
class QPushButton;

class TReservinfo : public VForm {
    Q_OBJECT
public:
    TReservinfo();
    void FormCreate() override;

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;  // "Tillbaka"

    void Button1Click() { close(); }
};

extern TReservinfo* Reservinfo;
