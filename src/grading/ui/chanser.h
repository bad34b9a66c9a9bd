#pragma once
// The chance window: the user picks the correct row, types the payouts for six and five right
// and the system's row count N, ticks the restrictions to count with, and "Beräkna" values a
// system drawn by varying reduction against that row (grading/chance.h). While the evaluation
// runs, input reaches only "Avbryt".

#include <array>

#include "model/domain.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct ChanceResult;

class TChans : public VForm {
    Q_OBJECT
public:
    TChans();
    void ResetToStartState() override;

    // [race 1-7][start number 1-15]: the picker (race slot 7's row hidden).
    std::array<std::array<QLabel*, StartNumbers + 1>, RaceSlots + 1> rr{};
    QLineEdit* EditNRader = nullptr;
    QLineEdit* Utd7Edit = nullptr;  // "6 rätt": PayoutPerHits[2]
    QLineEdit* Utd6Edit = nullptr;  // "5 rätt": PayoutPerHits[1]
    QLineEdit* Utd5Edit = nullptr;  // hidden four-right field: PayoutPerHits[0]
    QLabel* Lch7 = nullptr;
    QLabel* Lch6 = nullptr;
    QLabel* Lch5 = nullptr;
    QLabel* Lverde7 = nullptr;
    QLabel* Lverde6 = nullptr;
    QLabel* Lverde5 = nullptr;
    QLabel* Lsumverde = nullptr;
    QLabel* Lprocentavinsats = nullptr;
    QLabel* Label9 = nullptr;         // "Antal beräknade rader:"
    QPushButton* Button1 = nullptr;   // "Stäng"
    QPushButton* Button2 = nullptr;   // "Beräkna"
    QPushButton* KnAvbryt = nullptr;  // "Avbryt"
    QCheckBox* CBVinnare = nullptr;
    QCheckBox* CBVillkor = nullptr;
    QCheckBox* CBABCD = nullptr;
    QCheckBox* CBStartnr = nullptr;
    QCheckBox* CBChans = nullptr;
    QCheckBox* CBUtdelning = nullptr;
    QCheckBox* CBOvrigt = nullptr;
    std::array<QCheckBox*, 4> cba{};  // [1..3]: "1", "2", "3"

    // Empties the result labels but "Antal beräknade rader" and the value per stake.
    void ClearChanceResults();
    void rrClick(int race, int startNr);
    void Utd7EditExit();
    void Utd6EditExit();
    void Utd5EditExit();
    void EditNRaderExit();
    void Button1Click();
    void Button2Click();
    void KnAvbrytClick();

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildPicker();
    void BuildResultPanel();
    void BuildBoxes();
    void PaintPickerLabel(int race, int startNr, bool chosen);
    // The start number whose picker label holds a caption, 0 none.
    int PickedHorse(int race) const;
    void PayoutEditExit(QLineEdit* edit, int entry);
    void ShowSystemRows();
    void MirrorGradingInputs();
    void ShowResult(const ChanceResult& result);

    bool abortRequested_ = false;
    // The payouts as this window's fields last showed them.
    std::array<int32, 3> shownPayouts_{};
};

extern TChans* Chans;
