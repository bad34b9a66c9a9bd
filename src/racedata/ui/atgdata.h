#pragma once

#include "platform/ui/form.h"

class QLabel;
class QPlainTextEdit;

// The start lists as text. No button reaches it; a load that reads race data rebuilds its
// heading, fetch time and listing.
class TATG : public VForm {
    Q_OBJECT
public:
    TATG();

    QLabel* Rubrikbana;
    QLabel* Rubriktid;
    QPlainTextEdit* Memo1;

private:
    void ShowLoadedStartLists();
};

extern TATG* ATG;
