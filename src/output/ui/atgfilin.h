#pragma once
// The bet-file window: which coupons or single rows go into the operator's XML bet file, the
// pool, the date of the round, the V6 option and the systems per coupon, the price, and the
// save.

#include <QString>

#include "platform/ui/form.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TATGFilform : public VForm {
    Q_OBJECT
public:
    TATGFilform();
    void FormCreate() override;
    void ResetToStartState() override;

    QRadioButton* RadioButton1 = nullptr;  // all items
    QLabel* labelalla = nullptr;
    QRadioButton* RadioButton2 = nullptr;  // the range SpinEdit1 .. SpinEdit2
    QSpinBox* SpinEdit1 = nullptr;
    QSpinBox* SpinEdit2 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* ValV65 = nullptr;
    QRadioButton* ValV64 = nullptr;
    QLineEdit* Edit1 = nullptr;  // the date
    QCheckBox* V6box = nullptr;
    QSpinBox* SpinEdit3 = nullptr;  // systems per coupon
    QLabel* Pris = nullptr;
    QPushButton* Button1 = nullptr;  // "Spara filen"
    QPushButton* Button2 = nullptr;  // "Stäng"

    void SpinEdit3Change();
    void Button1Click();
    // Writes the file from the window's choices; reports a refusal or a failed write.
    void WriteBetFile();

protected:
    void FormActivate() override { RefreshFromSystem(); }
    void FormShow() override;

private:
    void BuildRange();
    void BuildChoices();
    // The count, the range limits and the price follow the system, which may change while the
    // window is open.
    void RefreshFromSystem();

    // The name the save dialog offers: the one last chosen in it, the file written after a
    // save; empty at start.
    QString saveDialogName_;
};

extern TATGFilform* ATGFilform;
