#pragma once
// The random-code window: "Normal" lets every varying reduction draw on from where the
// generator stands; "Med rättningskod" starts each one from the code in slumpedit.

#include "platform/ui/form.h"

class QLineEdit;
class QPushButton;
class QRadioButton;

class TSlump : public VForm {
    Q_OBJECT
public:
    TSlump();
    void ResetToStartState() override;

    QRadioButton* KnappNormal = nullptr;   // "Normal"
    QRadioButton* RadioButton2 = nullptr;  // "Med rättningskod"
    QLineEdit* slumpedit = nullptr;
    QPushButton* Button1 = nullptr;  // "Återgå"

    void slumpeditChange();
    void Button1Click();
};

extern TSlump* Slump;
