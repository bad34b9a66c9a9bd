#pragma once
// "Skriva ut systemet på papper": the sections, range, margins, line spacing, copies,
// printer and font of the system print-out (output/systemprint.h), and its settings file.

#include <array>

#include "output/systemprint.h"
#include "platform/ui/form.h"
#include "platform/ui/printer.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TSkriva : public VForm {
    Q_OBJECT
public:
    TSkriva();
    void FormCreate() override;
    void ResetToStartState() override;

    QCheckBox* Kollarank = nullptr;
    QCheckBox* Kollavinnare = nullptr;
    QCheckBox* Kollavillkor = nullptr;
    QCheckBox* Kollastartnr = nullptr;
    QCheckBox* Kollapoeng = nullptr;
    QCheckBox* Kollaovrigt = nullptr;
    QCheckBox* Kollachanser = nullptr;
    QCheckBox* Kollaprocenten = nullptr;
    QCheckBox* Kollaavskrifter = nullptr;
    QCheckBox* Kollatext = nullptr;
    QRadioButton* KnappAllaKup = nullptr;
    QRadioButton* KnappValdaKup = nullptr;
    QSpinBox* FromkupEdit = nullptr;
    QSpinBox* TomkupEdit = nullptr;
    QLabel* LabelNKup = nullptr;
    QSpinBox* tmarginal = nullptr;
    QSpinBox* bmarginal = nullptr;
    QSpinBox* vmarginal = nullptr;
    QSpinBox* hmarginal = nullptr;
    // "Extra stor", "Stor", "Normal", "Liten" in the order of LineSpacing.
    std::array<QRadioButton*, 4> spacing{};
    QSpinBox* NKopiorEdit = nullptr;
    QPushButton* Button1 = nullptr;  // "Teckensnitt"
    QPushButton* Button2 = nullptr;  // "Skriv"
    QPushButton* Button3 = nullptr;  // "Skrivare"
    QPushButton* Button4 = nullptr;  // "Tillbaka"
    QPushButton* Button5 = nullptr;  // "Lägg till egen text"
    QPushButton* SparaKnapp = nullptr;
    FontDialog FontDialog1;

    // The window's settings and options as they stand.
    SystemPrintSettings Settings() const;
    SystemPrintOptions Options() const;

    void Button1Click();
    void Button2Click();
    void SparaKnappClick();

protected:
    void FormActivate() override;
    void hideEvent(QHideEvent* e) override;

private:
    void BuildSections();
    void BuildRange();
    void BuildMargins();
    void BuildButtons();
    void ApplySettings(const SystemPrintSettings& settings);
};

extern TSkriva* Skriva;
