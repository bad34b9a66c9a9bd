#pragma once
// Help for the grading window.

#include "core/helpwindow.h"

class TRettningsinfo : public HelpWindow {
    Q_OBJECT
public:
    TRettningsinfo();
};
