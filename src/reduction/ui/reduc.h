#pragma once
// The manual coupon-reduction window ("Reducera kuponger"): drops coupons of a constructed
// system by range, by a maximum of rows or one at a time, with one step of undo, and shows
// the kept totals here and on the main window after every change.

#include <array>

#include "model/variabl.h"
#include "platform/ui/form.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

class TReducera : public VForm {
    Q_OBJECT
public:
    TReducera();
    void FormCreate() override;
    void ResetToStartState() override;

    QLabel* LRaderforereduc = nullptr;
    QLabel* LRaderefterreduc = nullptr;
    QLabel* LReducprocent = nullptr;
    QLabel* LKupongerforereduc = nullptr;
    QLabel* LKupongerefterreduc = nullptr;
    QSpinBox* SValjbortfrom = nullptr;
    QSpinBox* SValjborttom = nullptr;
    QPushButton* Button4 = nullptr;  // "OK" of "Välj bort kuponger"
    QPushButton* KAngra = nullptr;   // "Ångra"
    QRadioButton* RBAlla = nullptr;
    QRadioButton* RB2 = nullptr;  // "Varannan"
    QRadioButton* RB3 = nullptr;  // "Var tredje"
    QSpinBox* SMaxrader = nullptr;
    QPushButton* Button6 = nullptr;  // "OK" of "Max antal rader"
    QLabel* LKupongnr = nullptr;
    QLabel* LAntalrader = nullptr;
    QPushButton* KnTB = nullptr;
    // The spin buttons SpinButton2..SpinButton5 (steps 1 000, 100, 10, 1), up and down.
    std::array<QToolButton*, 6> SpinUp{};
    std::array<QToolButton*, 6> SpinDown{};
    QPushButton* Button5 = nullptr;  // "Ta bort all reducering"
    QPushButton* Button3 = nullptr;  // "Streckfördelning"
    QPushButton* Button2 = nullptr;  // "Info"
    QPushButton* Button1 = nullptr;  // "Tillbaka"

    void Button4Click();
    void KAngraClick();
    void Button6Click();
    void KnTBClick();
    void Button5Click();
    void Button3Click();
    void Button2Click();
    void Button1Click();
    void StepShownCoupon(int step);

protected:
    void FormActivate() override;

private:
    void BuildCounts();
    void BuildRangePanel();
    void BuildMaxRowsPanel();
    void BuildCouponPanel();
    void ConnectHandlers();
    // RecomputeCouponSelection, painted here and on the main window.
    void RecountKeptCoupons();
    void ShowCoupon();
};

extern TReducera* Reducera;
