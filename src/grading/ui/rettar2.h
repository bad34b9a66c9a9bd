#pragma once
// The grading window: the correct row, the scratched horses and the official start order of
// each race as rows of boxes, the payouts a row per prize class, and the result of a grading
// (rows by correct races, winnings, the winning coupons or the winning single rows four at a
// time). It grades, prints or saves the result, saves the round with the system and opens the
// next-race view and the ledger. Every input goes into the tables through grading/gradinginputs.h.

#include "model/domain.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTableWidget;

class TRetta2 : public VForm {
    Q_OBJECT
public:
    TRetta2();
    void FormCreate() override;
    void ResetToStartState() override;

    // Boxes by race slot 1-7 and start number (official order: position) 1-15.
    QLabel* WinnerBoxes[RaceSlots + 1][StartNumbers + 1] = {};   // rr101 ... rr715
    QLabel* ScratchBoxes[RaceSlots + 1][StartNumbers + 1] = {};  // st101 ... st715
    QLabel* OrderBoxes[RaceSlots + 1][StartNumbers + 1] = {};    // Turo11 ... Turo715

    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* CountLabels[8] = {};     // by CorrectCounts index: N7rett, N6rett ... N0rett
    QLineEdit* PayoutEdits[4] = {};  // by PayoutPerHits entry: Utd4Edit, Utd5Edit, Utd6Edit, Utd7Edit
    QLabel* AmountLabels[4] = {};    // by entry: Vinst4Edit ... Vinst7Edit
    QLabel* VinstSummaEdit = nullptr;
    QLabel* Visaantal = nullptr;
    QLabel* Reservin = nullptr;
    QTableWidget* Rettlista = nullptr;
    QFrame* Vinster = nullptr;
    QLabel* Vinstgrp[5] = {};  // [1..4]
    QLabel* Vinstnr[5] = {};
    QLabel* Vinstrad[5] = {};
    QScrollBar* ScrollBar1 = nullptr;

    QPushButton* Button1 = nullptr;  // "Rätta"
    QPushButton* Knappnesta = nullptr;
    QPushButton* Button5 = nullptr;  // "Skrivare"
    QPushButton* Button4 = nullptr;  // "Teckensnitt"
    QPushButton* Button3 = nullptr;  // "Skriv"
    QPushButton* Button9 = nullptr;  // "Spara omgången"
    QPushButton* Button8 = nullptr;  // "Ekonomi"
    QPushButton* Button7 = nullptr;  // "Textfil"
    QPushButton* Button6 = nullptr;  // "Info"
    QPushButton* Button2 = nullptr;  // "Tillbaka"

    FontDialog& FontDialogV75res() { return fontDialog_; }

    // What the main window's "Rätta" does to this window before showing it: the coupon grid
    // laid out for the kept coupons, the counts of 7 to 4 right emptied, the winners repainted.
    void PrepareForGrading();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void KnappnestaClick();
    void ScrollBar1Change();
    void WinnerBoxMouseDown(int race, int startNr);
    void ScratchBoxMouseDown(int race, int startNr);
    void OrderBoxClick(int race, int position);
    // Leaving the payout field of PayoutPerHits entry 0-2.
    void PayoutEditExit(int entry);

    void ClearPayoutDisplay();
    void ClearGradingResults();

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildBoxAreas();
    void BuildBoxRow(QLabel* (&boxes)[RaceSlots + 1][StartNumbers + 1], int race, int top);
    void BuildButtons();
    void BuildResultPanels();
    void BuildWinningRowsPanel();
    void PaintWinnerRow(int race);
    void PaintScratchBox(int race, int startNr);
    void PaintOrderRow(int race);
    void ShowPayoutEdits();
    void ShowCouponGrid(int dataRows);
    void EmptyFilledGridRows();
    void ClearWinningRowsPage();

    FontDialog fontDialog_;
    int filledGridRows_ = 0;   // grid rows that show a winning coupon
    bool pageGraded_ = false;  // the winning-rows page shows the single rows' grading on show
    QString saveDialogName_;   // the result file named last, which "Textfil" proposes
};

extern TRetta2* Retta2;
