#pragma once
// Help for the payout interval.

#include "core/helpwindow.h"

class TInfoutdelning : public HelpWindow {
    Q_OBJECT
public:
    TInfoutdelning();
};
