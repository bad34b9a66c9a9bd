#include "conditions/ui/ordn.h"

TOrdningsf::TOrdningsf() : VForm(QStringLiteral("Ordningsföljd"), QSize(400, 300))
{
    setObjectName(QStringLiteral("Ordningsf"));
}

TOrdningsf* Ordningsf = nullptr;
