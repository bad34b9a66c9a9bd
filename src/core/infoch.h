#pragma once
// Help for the points conditions.

#include "core/helpwindow.h"

class TInfoChans : public HelpWindow {
    Q_OBJECT
public:
    TInfoChans();
};
