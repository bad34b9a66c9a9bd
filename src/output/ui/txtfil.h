#pragma once
// The text report window: the report of the system in a read-only memo, the range of coupons
// or single rows to list, copying, the memo's font, and saving and loading it as a .txt file.

#include "output/textreport.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TTextfil : public VForm {
    Q_OBJECT
public:
    TTextfil();
    void FormCreate() override;
    void ResetToStartState() override;

    QPlainTextEdit* MemoTextfil = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* EditKnr = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* EditKnr2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Button1 = nullptr;  // "Visa"
    QCheckBox* Endastkuponger = nullptr;
    QPushButton* Button6 = nullptr;  // "Ändra teckensnitt"
    QPushButton* Button4 = nullptr;  // "Kopiera all text"
    QPushButton* Button5 = nullptr;  // "Kopiera märkt text"
    QPushButton* Button2 = nullptr;  // "Hämta"
    QPushButton* Spara = nullptr;
    QPushButton* Button7 = nullptr;  // "Info"
    QPushButton* Button3 = nullptr;  // "Tillbaka"
    FontDialog FontDialogFil;

    void EditKnrChange();
    void EditKnr2Change();
    void Button1Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void SparaClick();
    void Button2Click();
    void Button7Click();

protected:
    // The report starts afresh only when the system changed since it last did, so a written
    // report or a loaded file stays while the user looks at other windows.
    void FormActivate() override;

private:
    void BuildComponents();
    void StartAfresh();
    void ShowLines(const QStringList& lines);
    QStringList Lines() const;

    TextReportSystemKey shownSystem_;
    bool systemReset_ = true;
    QString saveDialogName_;  // the save dialog proposes the name it last held
};

extern TTextfil* Textfil;
