#pragma once
// The older single-row window "Beräkna enkelrader", which the program creates but never
// shows. What stands here is what its two streck windows use: the win-chance fields, their
// sums, the switch to the input view and the two buttons that open those windows.

#include "model/domain.h"
#include "platform/ui/form.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TReducerader : public VForm {
    Q_OBJECT
public:
    TReducerader();
    void ResetToStartState() override;

    QLineEdit* p[RaceSlots + 1][StartNumbers + 1] = {};  // win chances 0-100
    QLabel* LSummaRace[RaceSlots + 1] = {};              // LSumma1-LSumma7
    QLabel* LSumma = nullptr;                            // "S:a"
    QLabel* Panel1 = nullptr;                            // the percent panel
    QPushButton* KnProcent = nullptr;
    QPushButton* KnInmatning = nullptr;
    QPushButton* KnNoll = nullptr;
    QPushButton* KnEtt = nullptr;
    QPushButton* Button4 = nullptr;  // the unreduced system's streck
    QPushButton* Button5 = nullptr;  // the single rows' streck

    void Button4Click();
    void Button5Click();
    // The input view: the percent panel hidden, the input buttons shown.
    void ShowChanceInputMode();

private:
    void ChanceChange(int race, int horse);
    void ShowTransferredChances();
};

extern TReducerader* Reducerader;
