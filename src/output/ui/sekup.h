#pragma once
// The viewer of group-system coupons.

#include "output/ui/couponviewer.h"

class TKuponger : public TCouponViewer {
    Q_OBJECT
public:
    TKuponger();
};

extern TKuponger* Kuponger;
