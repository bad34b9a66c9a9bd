#pragma once
// Help for the points conditions.

#include "core/ui/helpwindow.h"

class TInfoChans : public HelpWindow {
    Q_OBJECT
public:
    TInfoChans();
};

extern TInfoChans* InfoChans;
