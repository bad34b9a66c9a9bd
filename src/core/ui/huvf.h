#pragma once
// The main window: marking grid, condition switches and panels, counts, every main action.
//
// Every component keeps its name as objectName and is a public member, so that the other
// windows and the action handlers reach it directly. Numbered components live in arrays
// indexed as their names count (race 1-7, group 1-4 = A-D, start number 1-15, count 0-7,
// panel column 1-4); index 0 is unused where the names start at 1.
//
// The window computes nothing. Its handlers read the control, call the logic, and the
// window repaints from the global tables when the logic notifies it (model/notify.h).
//
// Files: huvf.cpp builds the layout and holds the create, show and close handlers;
// huvf_marking.cpp holds the marking cells, the winner-count labels and every repaint;
// huvf_actions.cpp the main actions, the condition panels and the three clear buttons;
// constructdispatch.cpp "Flerkupong" and the waiting panel of a construction.

#include <QColor>
#include <QHash>
#include <QString>
#include <functional>

#include "marks/marking.h"
#include "platform/ui/colours.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"

class QCheckBox;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QTableWidget;
class QWidget;
struct TColumnSignals;

class TV65x : public VForm {
    Q_OBJECT
public:
    TV65x();
    void FormCreate() override;
    void ResetToStartState() override;

    // Runs handler when the control gets a mouse press of any button.
    void OnMouseDown(QWidget* control, std::function<void()> handler);

    // Repaints: each reads the global tables and the logic's display texts.
    void PaintHorseCells(int race, int horse);
    void PaintMarkingGrid();
    // Every marking cell from the membership flags of HorseGroups, after the marks as a
    // whole were replaced (marks/groupmarks.h).
    void PaintGroupMarks();
    void PaintResultLabels();
    void PaintRecount();
    void PaintConditionDisplays();
    // Lvchvlk: the number of active points conditions.
    void PaintPointsCondCount();
    void PaintStartNrCondCount();
    void PaintWinnerCountLabels();
    void PaintAbcdList();
    // The condition switches and the column signals from their tables.
    void PaintSwitches();
    // The four visible columns of the ABCD group-condition panel from RullistV's position on:
    // condition numbers, cells and hit counts.
    void PaintAbcdConditionRows();
    // Every marking cell white with no caption; the cells keep their black text, so that a
    // horse marked later shows its number.
    void ClearGroupColours();
    // The 32 winner-count labels white with silver text.
    void ClearWinnerCountLabels();
    // The panel's cells and hit counts white with silver text.
    void ClearAbcdConditionCells();
    // Everything above, as after a load or a reset of the tables.
    void PaintAll();
    // After a load: the system name and date, the caption and everything PaintAll paints.
    void PaintLoadedSystem();

    // The update check runs when the window is shown; the benchmark turns it off.
    bool UpdateCheckOnShow = true;

    // Client area; every component below is a child of it.
    QWidget* Client = nullptr;

    // File buttons.
    QPushButton* Button8 = nullptr;   // "Hämta system"
    QPushButton* Button9 = nullptr;   // "Spara system"
    QPushButton* Button26 = nullptr;  // "Startlistor, rank mm"
    QPushButton* Button5 = nullptr;   // "Rätta"
    QPushButton* Button27 = nullptr;  // "Chans"
    QPushButton* LATGfil = nullptr;   // "Spara ATG-fil"
    QPushButton* Button28 = nullptr;  // "%"

    // System name and date.
    QLineEdit* Namn = nullptr;
    QLineEdit* Datum = nullptr;

    // Construct buttons.
    QPushButton* Berekna = nullptr;        // "Flerkupong"
    QPushButton* Bereknaerader = nullptr;  // "Varierande reducering"

    // Result boxes.
    QLabel* LabelRadantal = nullptr;
    QLabel* LabelKup = nullptr;

    // Output buttons and the reserve signal.
    QPushButton* Button2 = nullptr;   // "Fylla i kuponger"
    QPushButton* CKnapp = nullptr;    // "©"
    QPushButton* Button3 = nullptr;   // "Papperskopia"
    QPushButton* Button11 = nullptr;  // "Textfil"
    QPushButton* Button4 = nullptr;   // "Se kuponger"
    QPushButton* Button13 = nullptr;  // "Reserver"
    QPushButton* Button1 = nullptr;   // "Info"
    QLabel* LabelRes = nullptr;
    QLabel* ResF = nullptr;

    QLabel* LabelVersionskoll = nullptr;

    // Marking grid: RaceButtons[r] is "Avd r" (Button19-Button25), MarkCells[r][g][h] the
    // cell R + race + group + start number in two digits.
    QPushButton* RaceButtons[8] = {};
    QLabel* MarkCells[8][5][16] = {};
    QPushButton* Button10 = nullptr;  // "0": clears every mark

    // Column signals (shapes; their fill colour is the setting).
    QLabel* Signalhest = nullptr;
    QLabel* Signalstreck = nullptr;
    QLabel* Signalodds = nullptr;

    // Extra conditions.
    QPushButton* Button16 = nullptr;  // "Startnummer"
    QPushButton* Button14 = nullptr;  // "Poängvillkor"
    QPushButton* Button29 = nullptr;  // "Utdelningsintervall"
    QPushButton* Button17 = nullptr;  // "Övrigt"
    QCheckBox* VlkstartnrJA = nullptr;
    QCheckBox* VlkvinstchJA = nullptr;
    QCheckBox* CBUtdelning = nullptr;
    QCheckBox* Vlkovrigt = nullptr;
    QLabel* Lsnvlk = nullptr;
    QLabel* Lvchvlk = nullptr;

    // Price.
    QLabel* Pris1 = nullptr;
    QLabel* Pris3 = nullptr;
    QLabel* Pris4 = nullptr;
    QLabel* Prisrader = nullptr;
    QLabel* Prisavg = nullptr;
    QLabel* Pristot = nullptr;

    // Row counts.
    QLabel* Maxrader = nullptr;
    QLabel* Lantalraderutan = nullptr;
    QLabel* LRaderoreduc = nullptr;
    QLabel* LReducgrad = nullptr;
    QLabel* Antalkusar = nullptr;
    QLabel* Label2 = nullptr;

    // Winner counts: WinnerCountLabels[k][g] is Avin0 ... Dvin7 (entry [k][g] of the tables).
    QLabel* WinnerCountLabels[8][5] = {};

    // ABCD group-condition panel: ConditionCells[k][r][g] is V + k + race + group letter,
    // HitCountLabels[k][n] is V + k + n, Vnr[k] the condition number of column k.
    QLabel* Labelantalvlk = nullptr;
    QPushButton* Button12 = nullptr;  // "0": clears every group condition
    QScrollBar* RullistV = nullptr;
    QLabel* Vnr[5] = {};
    QLabel* ConditionCells[5][8][5] = {};
    QLabel* HitCountLabels[5][8] = {};

    // ABCD distribution list: the head row is the table's header, so list row n (1-120)
    // is table row n - 1.
    QTableWidget* ABClista = nullptr;
    QPushButton* Allanej = nullptr;  // "Nej på alla"
    QLabel* NejPanel = nullptr;
    QPushButton* Button7 = nullptr;  // "0": clears every "Nej"

    // Progress overlay.
    QLabel* Venta1 = nullptr;
    QLabel* Venta2 = nullptr;
    QLabel* Venta3 = nullptr;
    QPushButton* Avbrytknapp = nullptr;

    // Under the file buttons.
    QPushButton* Button6 = nullptr;     // "Radera"
    QPushButton* KnReducera = nullptr;  // "Reducera kuponger"

    // Outside the client area, never seen.
    QPushButton* Button18 = nullptr;  // "Startlistor", hidden

    // Non-visual.
    const TFileDialog OpenDialogRank{QStringLiteral("Vimsta V6 (*.SV6)|*.SV6"), false};
    const TFileDialog SaveDialogRank{QStringLiteral("Vimsta V6 (*.SV6)|*.SV6"), true};
    const TFileDialog SaveDialogFil{QStringLiteral("ATG-fil (*.xml)|*.xml"), true};

protected:
    void FormShow() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildClientArea();
    void BuildFileButtons();
    void BuildNameAndDate();
    void BuildConstructButtons();
    void BuildResultBoxes();
    void BuildOutputButtons();
    void BuildMarkingGrid();
    void BuildColumnSignals();
    void BuildExtraConditions();
    void BuildPrice();
    void BuildRowCounts();
    void BuildWinnerCounts();
    void BuildGroupConditionPanel();
    void BuildAbcdList();
    void BuildProgressOverlay();
    void BuildOutsideControls();

    void FormCloseQuery(bool& canClose);

    // huvf_marking.cpp
    void BindMarkingHandlers();
    void SubscribeToChanges();
    // What the windows below this one may ask of it (conditions/mainrequests.h).
    void InstallMainWindowRequests();
    void MarkCellMouseDown(int race, int group, int horse);
    void WinnerCountMouseDown(int group, int count);
    void PaintRowCounts();
    void PaintMarkedHorseCount();
    void PaintReserveSignal();

    // huvf_actions.cpp
    void ConnectActions();
    void ConnectWindowOpeners();
    void ConnectConditionSwitches();
    void ConnectAbcdPanels();
    void Button8Click();
    void Button9Click();
    void Button5Click();
    void BereknaeraderClick();
    void Button4Click();
    void Button29Click();
    void NamnChange();
    void DatumChange();
    void SignalMouseDown(bool TColumnSignals::*signal);
    // Writes the system; false when it was not written. Tells the user what the file said.
    bool SaveSystem();
    // Asks the question when an unsaved system exists and saves on "Ja"; true when the action
    // that asked may go on.
    bool SaveOrGiveUpUnsavedSystem(const QString& question);
    void ReadSystemFile();
    void Button6Click();
    void RullistVChange();
    void ConditionCellMouseDown(int column, int race, int group);
    void HitCountMouseDown(int column, int hits);
    void ABClistaMouseDown(int tableRow, int column);
    void AllanejClick();
    void AvbrytknappClick();
    void Button10Click();
    void Button12Click();
    void Button7Click();
    void Button1Click();
    void CKnappClick();

    // constructdispatch.cpp
    void ConnectConstructDispatch();
    void BereknaClick();

    QScrollArea* scrollArea_ = nullptr;
    QHash<QObject*, std::function<void()>> mouseDownHandlers_;
};

// The main window's caption: the version and the update host's domain.
QString MainWindowCaption();

extern TV65x* V65x;
