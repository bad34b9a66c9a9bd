#pragma once
// The payout-interval window ("Utdelningsintervall"): the lowest and highest estimated
// payout for six correct, typed in kronor.

#include "platform/ui/form.h"

class QLineEdit;
class QPushButton;

class TInfoutd : public VForm {
    Q_OBJECT
public:
    TInfoutd();
    void ResetToStartState() override;

    QLineEdit* Edit1 = nullptr;      // the minimum
    QLineEdit* Edit2 = nullptr;      // the maximum
    QPushButton* Button1 = nullptr;  // "Tillbaka"

    void Edit1Change();
    void Edit2Change();
    void Button1Click();
};

extern TInfoutd* Infoutd;
