#pragma once
// "Poängvillkor": edits the 100 points conditions one at a time (CurrentPointsCond). A grid
// of 105 points edits coloured by the horses' groups, the row-product and row-sum panels,
// the name, clear/copy/paste, the transfers, the points file and the row count.

#include <QSpinBox>

#include "model/domain.h"
#include "platform/ui/form.h"

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

// A spin edit as the window's number fields behave: any whole number may be typed, the value
// of a text that is not a whole number is the minimum, a value outside the range is limited
// to the nearest bound, and leaving the edit shows that limited value.
class VSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    VSpinEdit(QWidget* parent, int minimum, int maximum);
    // The value of the text as typed, limited to the range.
    int TypedValue() const;
    // Shows value (limited to the range) without raising TypedValueChanged.
    void ShowValue(int shown);
    void SetMaxTypedLength(int length);

Q_SIGNALS:
    // The shown text changed, by the user or by code.
    void TypedValueChanged(int value);

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

class TChansvillkor : public VForm {
    Q_OBJECT
public:
    TChansvillkor();
    void FormCreate() override;
    void ResetToStartState() override;

    // Fill the window from the tables of the current condition. They change no table and
    // mark nothing stale, except that a stored point above 100 is stored as the 100 shown.
    void ShowPointsConditionHeader();
    void ShowPointsCondition();
    void ColourPointsEdits();
    void UpdatePointsSumBounds();

    QPushButton* Button12 = nullptr;  // "Info"
    QPushButton* Button14 = nullptr;  // "Ordning"
    QPushButton* Nollaradvlk = nullptr;
    QLabel* LVnr = nullptr;
    QLabel* Laktiva = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    VSpinEdit* vch[RaceSlots + 1][StartNumbers + 1] = {};  // vch11 .. vch715
    QLabel* LabelS[RaceSlots + 1] = {};                    // LabelS1 .. LabelS7
    QPushButton* Button1 = nullptr;                        // "Radera"
    QPushButton* Button8 = nullptr;                        // "Kopiera"
    QPushButton* Button9 = nullptr;                        // "Klistra in"
    QPushButton* KnappAngra = nullptr;
    QPushButton* KnappS100 = nullptr;
    QFrame* Panel2 = nullptr;  // "Radprodukt"
    QCheckBox* CBProduktaktiv = nullptr;
    QLabel* L[RaceSlots + 1] = {};  // L1 .. L7: the races in the product
    QLabel* Lp[RaceSlots] = {};     // L1p .. L6p: the dots between them
    QLineEdit* Editmax = nullptr;
    QLineEdit* Editmin = nullptr;
    QRadioButton* Hnollor[5] = {};  // Hnollor0, 3, 6, 9, 12
    QRadioButton* Lnollor[5] = {};
    QLabel* ProduktstatusK = nullptr;
    QLabel* ProduktstatusT = nullptr;
    QPushButton* Button11 = nullptr;  // "Växla" (product)
    QFrame* Panel1 = nullptr;         // "Radsumma"
    QCheckBox* CBSummaaktiv = nullptr;
    VSpinEdit* SEMin = nullptr;
    VSpinEdit* SEMax = nullptr;
    QLabel* SummastatusK = nullptr;
    QLabel* SummastatusT = nullptr;
    QPushButton* Button10 = nullptr;  // "Växla" (sum)
    QLabel* Legstaverde = nullptr;
    QLabel* Hogstaverde = nullptr;
    QLineEdit* Edit1 = nullptr;       // the name
    QPushButton* Button5 = nullptr;   // "V64-Procent"
    QPushButton* Button15 = nullptr;  // "Rank i datarutan"
    QPushButton* Button17 = nullptr;  // "Nr"
    QPushButton* Button6 = nullptr;   // "Spara villkoret"
    QPushButton* Button7 = nullptr;   // "Läs in sparat villkor"
    QPushButton* Button3 = nullptr;   // "Beräkna antalet rader"
    QPushButton* Button2 = nullptr;   // "Tillbaka"

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;

private:
    QString openDialogName_;  // the points file read last, which the open dialog proposes

    void BuildGrid();
    void BuildProductPanel();
    void BuildSumPanel();
    void BuildButtons();
    void Connect();

    void ShowModes();
    void ShowRaceSums();
    void ColourPointsEdit(int race, int horse);
    void RepaintMarks();
    void AfterTransfer();

    void ScrollBar1Change(int position);
    void NollaradvlkClick();
    void Button1Click();
    void Button9Click();
    void Button5Click();
    void Button3Click();
    void Button6Click();
    void Button7Click();
    void Button15Click();
    void Button17Click();
    void KnappS100Click();
    void KnappAngraClick();
    void ActiveBoxClick(bool sumTest, bool ticked);
    void ModeToggle(bool sumTest);
    void MantissaChange(bool upper);
    void PointsEditChange(int race, int horse, int value);
    void SumBoundChange(bool lower, int value);
};

extern TChansvillkor* Chansvillkor;
