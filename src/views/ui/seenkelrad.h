#pragma once
// The single-row viewer: the single rows ten at a time with their start numbers and reserves;
// a scroll bar moves through them.

#include "model/domain.h"
#include "platform/ui/form.h"
#include "views/singlerowview.h"

class QLabel;
class QPushButton;
class QScrollBar;

class TSeenkelrader : public VForm {
    Q_OBJECT
public:
    TSeenkelrader();
    void FormCreate() override;
    void ResetToStartState() override;

    QScrollBar* ScrollBar1 = nullptr;
    QLabel* RowNumbers[SingleRowColumns + 1] = {};                   // rn1..rn10
    QLabel* StartCells[RaceSlots + 1][SingleRowColumns + 1] = {};    // o11..o710
    QLabel* ReserveCells[RaceSlots + 1][SingleRowColumns + 1] = {};  // r11..r710
    QPushButton* Button1 = nullptr;                                  // "Tillbaka"

    // Brings the scroll range, page step and cells up to the rows held now.
    void Refresh();
    void ScrollBar1Change();
    void ShowSingleRows();
    void ShowSingleRowReserves();

protected:
    void FormActivate() override { Refresh(); }
    void FormShow() override { Refresh(); }

private:
    void BuildGrid();
};

extern TSeenkelrader* Seenkelrader;
