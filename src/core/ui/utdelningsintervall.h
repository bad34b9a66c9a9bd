#pragma once
// Help for the payout interval.

#include "core/ui/helpwindow.h"

class TInfoutdelning : public HelpWindow {
    Q_OBJECT
public:
    TInfoutdelning();
};

extern TInfoutdelning* Infoutdelning;
