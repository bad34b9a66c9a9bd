#pragma once
// "Streckfördelningen i det reducerade systemet (procent)": the share of the single rows
// that hold every horse.

#include "views/ui/oldergrid.h"

class QPushButton;

class TStreckreducerat : public TOlderStreckGrid {
    Q_OBJECT
public:
    TStreckreducerat();
    void FormCreate() override;

    QPushButton* Button2 = nullptr;  // "Stäng"

protected:
    void FormActivate() override;
};

extern TStreckreducerat* Streckreducerat;
