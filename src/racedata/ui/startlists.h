#pragma once
// The seven start-list windows, one class per race slot (their class names are what the
// program and the tests know them by); TStartlistaWindow is the window itself.

#include "racedata/ui/startlistwindow.h"

class TStartlista1 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista1() : TStartlistaWindow(1) {}
};

class TStartlista2 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista2() : TStartlistaWindow(2) {}
};

class TStartlista3 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista3() : TStartlistaWindow(3) {}
};

class TStartlista4 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista4() : TStartlistaWindow(4) {}
};

class TStartlista5 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista5() : TStartlistaWindow(5) {}
};

class TStartlista6 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista6() : TStartlistaWindow(6) {}
};

class TStartlista7 : public TStartlistaWindow {
    Q_OBJECT
public:
    TStartlista7() : TStartlistaWindow(7) {}
};

extern TStartlista1* Startlista1;
extern TStartlista2* Startlista2;
extern TStartlista3* Startlista3;
extern TStartlista4* Startlista4;
extern TStartlista5* Startlista5;
extern TStartlista6* Startlista6;
extern TStartlista7* Startlista7;
