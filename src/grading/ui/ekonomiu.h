#pragma once
// The stake-and-win ledger window ("Ekonomi"): a grid of 100 rows by five free-text columns,
// saved to and loaded from a ledger file "*.eko" and printed (grading/ledger.h).

#include "grading/ledger.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QPushButton;
class QTableWidget;

class TEkonomi : public VForm {
    Q_OBJECT
public:
    TEkonomi();
    void FormCreate() override;
    void ResetToStartState() override;

    QTableWidget* StringGrid1 = nullptr;
    QPushButton* Button2 = nullptr;  // "Hämta"
    QPushButton* Button3 = nullptr;  // "Spara"
    QPushButton* Button4 = nullptr;  // "Skriv"
    QPushButton* Button5 = nullptr;  // "Teckensnitt"
    QPushButton* Button1 = nullptr;  // "Tillbaka"
    // The print font.
    FontDialog FontDialog1;

    LedgerCells Cells() const;
    void SetCells(const LedgerCells& cells);

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

private:
    void SetColumnWidths();

    QString openDialogName_;  // the ledger file read last, which "Hämta" proposes
};

extern TEkonomi* Ekonomi;
