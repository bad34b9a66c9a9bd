#pragma once
// Help for the text report. Its memo can be edited; the edit lasts for the run.

#include "core/ui/helpwindow.h"

class TtxtInfo : public HelpWindow {
    Q_OBJECT
public:
    TtxtInfo();
};

extern TtxtInfo* txtInfo;
