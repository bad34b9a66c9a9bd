#pragma once
// The start-number conditions window: two consecutive conditions side by side, condition k in
// panel 1 and k + 1 in panel 2, k chosen by the scroll bar (1-99). A press on a start number
// of a horse that is in a group marks or unmarks it (and makes the condition active); a click
// on a reachable count forbids or allows it; copy, paste, delete, clear all, the row count
// and the group window.
//
// Component names: mark labels v<p>a<r><n> (panel, race slot, start number), count labels
// v<p><k>; race slot 7 and count 7 lie outside the client area. The window repaints from the
// tables whenever the start-number conditions change.

#include "model/domain.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class LabelClicks;

class TRadvillkor : public VForm {
    Q_OBJECT
public:
    TRadvillkor();
    void FormCreate() override;
    void FormActivate() override;
    void ResetToStartState() override;

    static constexpr int Panels = 2;
    static constexpr int Counts = 8;  // hit counts 0-7

    // [panel 1-2][race slot 1-7][start number 1-15]
    QLabel* MarkLabels[Panels + 1][RaceSlots + 1][StartNumbers + 1] = {};
    QLabel* CountLabels[Panels + 1][Counts] = {};  // [panel][count 0-7]
    QLabel* Vnr[Panels + 1] = {};                  // Vnr1, Vnr2
    QCheckBox* Aktiv[Panels + 1] = {};             // aktiv1, aktiv2
    QLineEdit* Edit[Panels + 1] = {};              // Edit1, Edit2: the comments
    QPushButton* CopyButton[Panels + 1] = {};      // Button1, Button5 "Kopiera"
    QPushButton* PasteButton[Panels + 1] = {};     // Button4, Button6 "Klistra in"
    QPushButton* DeleteButton[Panels + 1] = {};    // Button7, Button8 "Radera"
    QLabel* Vlkrubrik = nullptr;
    QLabel* Laktiva = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QPushButton* Nollaradvlk = nullptr;  // "0": clear all
    QPushButton* Button9 = nullptr;      // "Gruppvillkor"
    QPushButton* Button3 = nullptr;      // "Beräkna radantal"
    QPushButton* Button2 = nullptr;      // "Tillbaka"

    // The condition that panel p shows.
    int ConditionOf(int panel) const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildPanel(int panel);
    void BuildFooter();
    void Connect();

    void MarkMouseDown(int panel, int race, int startNr);
    void CountClick(int panel, int count);
    void AktivClick(int panel, bool ticked);
    void EditChange(int panel, const QString& text);
    void CopyClick(int panel);
    void PasteClick(int panel);
    void DeleteClick(int panel);
    void NollaradvlkClick();

    // Repaints everything that shows tables: the pair, the counts, boxes and headings.
    void PaintAll();
    void PaintPanel(int panel);

    LabelClicks* clicks_ = nullptr;
    QWidget* grids_[Panels + 1] = {};  // the maroon grid under each panel's mark labels
};

extern TRadvillkor* Radvillkor;
