#pragma once
// The reserve window: the reserve mode, the reserve order of each race set by dragging the
// start numbers along the race's strip, and the two fixed reserves of each race. It writes
// the order and the fixed reserves when it closes, the mode also on every click.

#include "model/domain.h"
#include "output/reserves.h"
#include "platform/ui/form.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TReserver : public VForm {
    Q_OBJECT
public:
    TReserver();
    void FormCreate() override;
    void ResetToStartState() override;

    QGroupBox* GroupBox1 = nullptr;
    QRadioButton* ModeButtons[5] = {};                          // [1..4]: ResI, ResV, ResF, ResL
    QPushButton* Button1 = nullptr;                             // "Info"
    QPushButton* Button5 = nullptr;                             // "Tillbaka"
    QFrame* Strips[RaceSlots + 1] = {};                         // A1..A7
    QLabel* StripLabels[RaceSlots + 1][StartNumbers + 1] = {};  // R11..R715
    QSpinBox* FixedFields[RaceSlots + 1][3] = {};               // FR11..FR72

    void Button1Click();
    void Button5Click() { close(); }

    // The drag of a strip label: pressed, moved with the pointer at a point of the window,
    // released (dropped or not).
    void StartDrag(int race, int label);
    void DragOver(QPoint pointer);
    void EndDrag();

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildModeButtons();
    void BuildStrips();
    void BuildFixedReserveFields();
    void PaintStrip(int race);

    ReserveStripGeometry geometry_;
    int dragRace_ = 0;  // the dragged label; 0 when no drag runs
    int dragLabel_ = 0;
    int dragFromSlot_ = 0;
};

extern TReserver* Reserver;
