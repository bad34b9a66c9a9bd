#pragma once
// "Streckfördelningen i det oreducerade systemet (procent)": the unreduced system's share of
// every horse, and the transfer of these shares into the older single-row window's win
// chances.

#include "views/ui/oldergrid.h"

class QPushButton;

class Tstreckoreduc : public TOlderStreckGrid {
    Q_OBJECT
public:
    Tstreckoreduc();
    void FormCreate() override;

    QPushButton* Button1 = nullptr;  // the transfer
    QPushButton* Button2 = nullptr;  // "Stäng"
    QPushButton* Button3 = nullptr;  // "Info"

    void Button1Click();
    void Button3Click();

protected:
    void FormActivate() override;
};

extern Tstreckoreduc* streckoreduc;
