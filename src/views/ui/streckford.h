#pragma once
// The row distribution view: per race slot and start number the rows of the system that play
// the horse, before or after the manual coupon reduction, as counts or percentages, and its
// print-out.

#include "model/domain.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QLabel;
class QPushButton;

class TStreckf : public VForm {
    Q_OBJECT
public:
    TStreckf();
    void FormCreate() override;
    void ResetToStartState() override;

    QLabel* Label1 = nullptr;                             // the view's title
    QLabel* Cells[RaceSlots + 1][StartNumbers + 1] = {};  // L11..L715
    QPushButton* Button5 = nullptr;                       // "Skriv"
    QPushButton* Button2 = nullptr;                       // "Teckensnitt"
    QPushButton* KnFore = nullptr;
    QPushButton* KnEfter = nullptr;
    QPushButton* KnVexla = nullptr;
    QPushButton* Button1 = nullptr;  // "Tillbaka"
    FontDialog FontDialogStreck;

    void KnForeClick();
    void KnEfterClick();
    void KnVexlaClick();
    void Button5Click();
    void Button2Click();

protected:
    void FormShow() override;

private:
    void BuildGrid();
    void BuildButtonRow();
    void PaintView();
};

extern TStreckf* Streckf;
