#pragma once
// Help on single-row reduction: straight against varying reduction.

#include "core/ui/helpwindow.h"

class TInforeducering : public HelpWindow {
    Q_OBJECT
public:
    TInforeducering();
};

extern TInforeducering* Inforeducering;
