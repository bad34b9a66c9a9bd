#pragma once
// The other number conditions window ("Övriga villkor på startnr"): the forbidden counts per
// start number (ovrn<n><k>), the 20 number sets shown three at a time (set labels
// ovrvlk<n><j>, "Högst" ovrh<j>, "Lägst" ovrl<j>, "Krav" ovrk<j>, "Ta bort" ovrtb<j>, the
// scroll bar Rullist), the equal-number labels LL1-LL6, the odd-count labels LU0-LU6 and
// the pair rules par<N>k / par<N>tb. It stays on top beside the main window's condition
// switches each time it becomes active, and then shows the tables again.

#include "conditions/numberconditions.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;
class LabelClicks;

class Tovrigavillkor : public VForm {
    Q_OBJECT
public:
    Tovrigavillkor();
    void FormCreate() override;
    void FormActivate() override;
    void ResetToStartState() override;

    static constexpr int Columns = NrSetColumns;

    QLabel* CountLabels[StartNumbers + 1][NrCountLabels] = {};  // [n][k]: ovrn<n><k>
    QLabel* SetLabels[StartNumbers + 1][Columns + 1] = {};      // [n][j]: ovrvlk<n><j>
    QSpinBox* HighEdits[Columns + 1] = {};                      // ovrh1-ovrh3 "Högst"
    QSpinBox* LowEdits[Columns + 1] = {};                       // ovrl1-ovrl3 "Lägst"
    QCheckBox* RequireBoxes[Columns + 1] = {};                  // ovrk1-ovrk3 "Krav"
    QCheckBox* RemoveBoxes[Columns + 1] = {};                   // ovrtb1-ovrtb3 "Ta bort"
    QScrollBar* Rullist = nullptr;
    QLabel* Label160 = nullptr;
    QLabel* EqualLabels[7] = {};  // LL1-LL6
    QLabel* OddLabels[7] = {};    // LU0-LU6
    QLabel* LabelPar = nullptr;
    QCheckBox* PairRequireBoxes[4] = {};  // par1k-par3k
    QCheckBox* PairRemoveBoxes[4] = {};   // par1tb-par3tb
    QPushButton* Button3 = nullptr;       // "Beräkna radantal"
    QPushButton* Button1 = nullptr;       // "Tillbaka"

    // The number set that column j shows.
    int SetOf(int column) const;

private:
    void BuildCounts();
    void BuildSets();
    void BuildRepeatRules();
    void BuildFooter();

    void PaintAll();
    void PaintCountLabel(int n, int k);
    void PaintColumns();
    void PaintSetLabel(int n, int column);
    void PaintSetModes();
    void PaintRepeatRules();

    LabelClicks* clicks_ = nullptr;
};

extern Tovrigavillkor* ovrigavillkor;
