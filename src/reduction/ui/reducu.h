#pragma once
// The reduction window ("Reducera"): per horse the streck, the unreduced share, the points
// and the reduced share in four grids of race by start number, the bulk transfers of points,
// the restrictions, the row difference, the target and the varying reduction itself.

#include <array>

#include "conditions/rowconditions.h"
#include "model/variabl.h"
#include "platform/ui/form.h"
#include "reduction/varyingreduction.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TReduceraF : public VForm {
    Q_OBJECT
public:
    TReduceraF();
    void ResetToStartState() override;

    template <typename T>
    using HorseCells = std::array<std::array<T*, StartNumbers + 1>, RaceSlots + 1>;  // [race][h]

    HorseCells<QLabel> s{};     // streck
    HorseCells<QLabel> o{};     // unreduced system [%]
    HorseCells<QLineEdit> p{};  // points
    HorseCells<QLabel> r{};     // reduced system [%]
    std::array<QLabel*, RaceSlots + 1> ss{};
    // Lock[race][grid]: grid 1 streck, 2 unreduced, 3 reduced.
    std::array<std::array<QLabel*, 4>, 7> Lock{};

    QPushButton* Button1 = nullptr;  // "Stäng"
    QPushButton* Button2 = nullptr;  // "Överför till poäng" (streck)
    QPushButton* Button3 = nullptr;  // "Beräkna"
    QPushButton* Button4 = nullptr;  // "Överför till poäng" (unreduced)
    QPushButton* Button5 = nullptr;  // "Se raderna"
    QPushButton* Button6 = nullptr;  // "Info"
    QPushButton* Button7 = nullptr;  // "R-kod"
    QPushButton* Button8 = nullptr;  // "Utdelningsintervall"
    QPushButton* Button9 = nullptr;  // "Läs in"
    QPushButton* Konstrueraknapp = nullptr;
    QPushButton* KnAvbryt = nullptr;

    QGroupBox* GroupBox5 = nullptr;        // "Visa avd"
    std::array<QCheckBox*, 7> CheckBox{};  // [1..6]
    QGroupBox* GroupBox3 = nullptr;        // "Aktiva begränsningar"
    QCheckBox* CBVinnare = nullptr;
    QCheckBox* CBVillkor = nullptr;
    QCheckBox* CBABCD = nullptr;
    QCheckBox* CBStartnr = nullptr;
    QCheckBox* CBChans = nullptr;
    QCheckBox* CBovrigt = nullptr;
    QGroupBox* GroupBox4 = nullptr;  // "Överför poängvillkor till poäng"
    QSpinBox* Ecvnr = nullptr;
    QLineEdit* Ecvnrkomm = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // "System"
    QRadioButton* RBNytt = nullptr;
    QRadioButton* RadioButton4 = nullptr;  // "Utöka till ..."
    QLineEdit* Editradantal = nullptr;
    QLabel* LRader = nullptr;
    QGroupBox* GroupBox1 = nullptr;             // "Radskillnad"
    std::array<QRadioButton*, 6> RBSkillnad{};  // [1..5]

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void KonstrueraknappClick();
    void KnAvbrytClick();
    void EcvnrChange();
    void EditradantalChange();
    void EditradantalExit();
    void CheckBoxClick(int race);
    void PointsEditExit(int race, int startNr);

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildGrids();
    void BuildControls();
    void Subscribe();
    void PaintHorseColour(int race, int startNr);
    void PaintAllColours();
    void PaintStreck();
    void PaintReduced();
    void PaintUnreduced();
    void ShowPointsPadded(int lastRace);
    ReductionSettings ReadSettings() const;
    // The varying reduction under the run guard: only "Avbryt" takes input, a close of any
    // window stops the run first, no box opens until it has ended.
    ReductionResult RunReduction();
};

extern TReduceraF* ReduceraF;
