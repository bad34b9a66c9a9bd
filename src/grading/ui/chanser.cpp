#include "grading/ui/chanser.h"

TChans::TChans()
    : VForm(QStringLiteral("Vinstchans och vinstchansvärde med reducerat system"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Chans"));
}

TChans* Chans = nullptr;
