#pragma once
// "Om hämtning av startlistor": an older description of copying the start lists. No control
// of the program opens it.

#include "platform/ui/form.h"

class QPlainTextEdit;

class TInfoOmHemtning : public VForm {
    Q_OBJECT
public:
    TInfoOmHemtning();

    QPlainTextEdit* Memo1 = nullptr;
};

extern TInfoOmHemtning* InfoOmHemtning;
