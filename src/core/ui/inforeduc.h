#pragma once
// Help for the coupon-reduction window: what removing coupons gives up.

#include "core/ui/helpwindow.h"

class TReducinfo : public HelpWindow {
    Q_OBJECT
public:
    TReducinfo();
};

extern TReducinfo* Reducinfo;
