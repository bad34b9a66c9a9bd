#pragma once
// Help for the points conditions.

#include "core/ui/helpwindow.h"

class TInfoChans : public HelpWindow {
    Q_OBJECT
public:
    TInfoChans();
    // Both scroll bars on a screen narrower than 800 pixels.
    void FormCreate() override;
};

extern TInfoChans* InfoChans;
