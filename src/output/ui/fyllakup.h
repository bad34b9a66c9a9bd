#pragma once
// The coupon-form window: prints the kept coupons onto the operator's paper coupons, or a test
// coupon, with the margins, size, shifts, rotation and strokes of CouponFormSettings, which
// its fields mirror and "ninstV75.kup" keeps.

#include <functional>

#include "output/couponform.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TFyllikup : public VForm {
    Q_OBJECT
public:
    TFyllikup();
    void FormCreate() override;
    void ResetToStartState() override;

    QSpinBox* vmarginalK = nullptr;
    QSpinBox* tmarginalK = nullptr;
    QSpinBox* skrivbrK = nullptr;
    QSpinBox* skrivhojdK = nullptr;
    QSpinBox* JusterpS = nullptr;
    QSpinBox* JusterpH = nullptr;
    QSpinBox* VridN = nullptr;
    QSpinBox* strecktjocklekK = nullptr;
    QSpinBox* StrecklengdK = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QSpinBox* Skrivfromkup = nullptr;
    QSpinBox* Skrivtomkup = nullptr;
    QCheckBox* Numrerakupong = nullptr;
    QCheckBox* V6 = nullptr;
    QRadioButton* Nykupong = nullptr;
    QRadioButton* Kupongmedreserv = nullptr;
    QRadioButton* Kupongutanreserv = nullptr;
    QCheckBox* Fyllaiinsatsen = nullptr;
    QPushButton* Button4 = nullptr;     // "Skriv ut en testkupong"
    QPushButton* Knappskriv = nullptr;  // "Skriv"
    QPushButton* Button2 = nullptr;     // "Tillbaka"
    QPushButton* Button1 = nullptr;     // "Skrivare"
    QPushButton* Button3 = nullptr;     // "Teckensnitt"
    QPushButton* Knappspara = nullptr;  // "Spara inställn."
    FontDialog FontDialogV75;

    void Button1Click();
    void Button3Click();
    void KnappsparaClick();
    void KnappskrivClick();
    void Button4Click();

protected:
    // The range and the printer's orientation are set each time the window is shown, so that a
    // return from the printer dialog or a message keeps what the user chose there.
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildSettingsFields();
    void BuildFormDrawing();
    void BuildButtons();
    // The fields, boxes and radio buttons from CouponFormSettings.
    void ShowSettings();
    // The settings that the controls hold when printing starts.
    void TakeChoices();
    void Print(const std::function<QString(PrintCanvas&)>& print);
};

extern TFyllikup* Fyllikup;
