#pragma once
// "Ordningsföljd": one race slot's 15 start numbers ordered by their points in one points
// condition, with each one's share of the race total. A view only; it changes no table.

#include "model/variabl.h"
#include "platform/ui/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TOrdningsf : public VForm {
    Q_OBJECT
public:
    TOrdningsf();
    void FormCreate() override;
    void ResetToStartState() override;

    QLabel* rubrik = nullptr;
    QLabel* rn[StartNumbers + 1] = {};  // rn1 .. rn15: start number of line k
    QLabel* rs[StartNumbers + 1] = {};  // rs1 .. rs15: points of line k
    QLabel* p[StartNumbers + 1] = {};   // p1 .. p15: share in per cent
    QLabel* w[StartNumbers + 1] = {};   // w1 .. w15: "%"
    QLabel* LSumma = nullptr;
    QPushButton* RaceButtons[RaceSlots + 1] = {};  // Button1, Button3 .. Button8 for slots 1-7
    QLineEdit* Edit1 = nullptr;                    // the condition number
    QPushButton* Button2 = nullptr;                // "Stäng"

    // The condition listed, 1-100; 0 before the window is first shown.
    int32 OrderPointsCond = 0;

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void ListRace(int race);
    void Edit1Change();
    void EmptyValueColumns();
};

extern TOrdningsf* Ordningsf;
