#pragma once
// The viewer of coupons built with the row conditions.

#include "output/ui/couponviewer.h"

class TKupongerE : public TCouponViewer {
    Q_OBJECT
public:
    TKupongerE();
};

extern TKupongerE* KupongerE;
