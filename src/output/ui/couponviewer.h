#pragma once
// What the two coupon viewers share: the coupon panel race by race, the position line, the
// row line, the step buttons of 1, 10, 100 and 1000 and the button to the row distribution.
// The group viewer also shows the groups of each race.

#include "model/domain.h"
#include "platform/ui/form.h"

class QLabel;
class QPushButton;

class TCouponViewer : public VForm {
    Q_OBJECT
public:
    QLabel* Kupongnummer = nullptr;
    QLabel* Startnr[RaceSlots + 1] = {};
    QLabel* ABC[RaceSlots + 1] = {};  // group viewer only
    QLabel* Reservnr[RaceSlots + 1] = {};
    QLabel* antalraderikup = nullptr;
    QPushButton* Button1 = nullptr;  // "Tillbaka"
    QPushButton* Button2 = nullptr;  // "Streckfördelning"
    // SpinButton1..4: [n][0] down, [n][1] up; steps of 1, 10, 100, 1000.
    QPushButton* StepButtons[5][2] = {};

    void FormCreate() override;
    void ResetToStartState() override;

    // Fills the panel for CurrentCoupon (ShowCoupon or ShowCouponE).
    void ShowCurrentCoupon();
    // A step button: steps of +-1, +-10, +-100 or +-1000.
    void StepClick(int step);
    void Button2Click();

protected:
    // groupViewer: the window of group systems, with the ABCD column.
    TCouponViewer(bool groupViewer);
    void FormShow() override;

private:
    void BuildPanel();
    void BuildStepButtons();

    bool groupViewer_;
};
