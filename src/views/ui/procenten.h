#pragma once
// The streck window "Streckfördelning": the streck of every horse of races 1-6 beside the
// system's share of the horse, cells of marked horses in their group colours, "Beräkna" for
// the shares, the lamps that hide a race's columns and the mirrored restriction boxes.

#include "model/domain.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TProcent : public VForm {
    Q_OBJECT
public:
    TProcent();
    void ResetToStartState() override;

    // Per race slot r 1-7 and start number h 1-15 (index 0 unused).
    QLabel* s[RaceSlots + 1][StartNumbers + 1] = {};  // the horse's streck
    QLabel* o[RaceSlots + 1][StartNumbers + 1] = {};  // the system's share for the horse
    QLabel* ss[RaceSlots + 1] = {};                   // the streck total of the race
    QLabel* Lock[RaceSlots + 1][3] = {};              // covers of the s [1] and o [2] columns
    QLabel* Visa[PoolRaces + 1] = {};                 // the lamps of races 1-6

    QLabel* Label2 = nullptr;
    QLabel* Label133 = nullptr;
    QPushButton* Button1 = nullptr;  // "Stäng"
    QPushButton* Button3 = nullptr;  // "Beräkna"
    QCheckBox* CBVinnare = nullptr;
    QCheckBox* CBABCD = nullptr;
    QCheckBox* CBChans = nullptr;
    QCheckBox* CBVillkor = nullptr;
    QCheckBox* CBStartnr = nullptr;
    QCheckBox* CBovrigt = nullptr;

    void Button3Click();
    void VisaMouseDown(int race);

protected:
    void FormActivate() override;

private:
    void BuildGrids();
    void BuildRaceColumn(int race, int streckLeft, int shareLeft);
    void BuildControls();
    void SubscribeToMarks();

    void ShowStreck();
    void MirrorConditionSwitches();
    void ShowSystemShares();
    void PaintHorse(int race, int horse, int group);
    void PaintGroupMarks();
    void ClearGroupColours();
};

extern TProcent* Procent;
