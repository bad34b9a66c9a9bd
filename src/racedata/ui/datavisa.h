#pragma once
// The race-data window: all races side by side, one column per race slot and one row per start
// number, with the horse's name, driver, odds, streck and points and four boxes that put the
// horse into group A-D. The rows are moved to show an order; a row's panel top is the only
// record of the slot it stands in.

#include <QHash>
#include <QPoint>

#include "model/domain.h"
#include "platform/ui/form.h"
#include "racedata/roworder.h"

class QCheckBox;
class QFrame;
class QLabel;
class QMimeData;
class QPushButton;

class TData : public VForm {
    Q_OBJECT
public:
    TData();

    void FormCreate() override;
    void ResetToStartState() override;

    // The own-order file read last, which the next "Hämta" proposes.
    QString OwnOrderOpenName;
    // The points file read last, which the next points "Hämta" proposes.
    QString PointsOpenName;

    // Copies the race-data tables into the rows: titles, names, drivers, odds and streck
    // texts, the strike-out of scratched horses, and which rows show.
    void FillDataWindow();
    // Repaints every row's group colours from HorseGroups.
    void PaintDataRowsByGroup();
    // Takes in the clipboard's start list of race ParserRace.
    void ParseClipboardStartList();
    // Orders every race by streck, handing the first order over to the own order.
    void SortRowsByStreck();
    // Applies MoveDirection to the own order of the pressed row's race, then places the rows
    // of that race (of every race when RepositionAllRaces is 1) by OwnOrder.
    void ApplyOwnOrderMove();
    // DisplayedSlot from the rows' positions.
    void ComputeDisplayedSlots();
    // Sets the column switches and ShowRankColumn from the column settings file.
    void ApplyColumnSettings();
    // A drop of a drag's data at a point of one of the window's components, or of the window
    // itself; true when the window took it. Only this window's row drags are taken.
    bool DropAt(QWidget* target, QPoint at, const QMimeData* mime);

    // The row of race slot r, start number h: its panel and components.
    QFrame* Panel[RaceSlots + 1][StartNumbers + 1] = {};
    QLabel* H[RaceSlots + 1][StartNumbers + 1] = {};   // name
    QLabel* Ps[RaceSlots + 1][StartNumbers + 1] = {};  // driver; race slot 7, number 1 has none
    QLabel* Po[RaceSlots + 1][StartNumbers + 1] = {};  // points
    QLabel* O[RaceSlots + 1][StartNumbers + 1] = {};   // odds
    QLabel* P[RaceSlots + 1][StartNumbers + 1] = {};   // streck
    QLabel* R[RaceSlots + 1][GroupCount + 1][StartNumbers + 1] = {};  // group boxes R<r><g><hh>
    // Rank labels of display slot s: v<s> (race 1), v<r><s>.
    QLabel* RankLabels[RaceSlots + 1][StartNumbers + 1] = {};
    QLabel* S[RaceSlots + 1] = {};                // race titles
    QPushButton* Kavd[RaceSlots + 1] = {};        // "Avd r": the race popups
    QLabel* Lavd[RaceSlots + 1] = {};             // [2..7], hidden
    QPushButton* KnLesinAvd[PoolRaces + 1] = {};  // "Lägg in avd r"
    QFrame* Separators[RaceSlots] = {};           // vertical lines, k = 0-6

    QPushButton *Button1 = nullptr, *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr,
                *Button5 = nullptr, *Button6 = nullptr, *Button11 = nullptr, *Button12 = nullptr,
                *Button13 = nullptr, *Button14 = nullptr, *Button15 = nullptr, *Button17 = nullptr,
                *Button20 = nullptr, *Button21 = nullptr, *HemtaKnapp = nullptr, *SparaKnapp = nullptr;
    QPushButton *Button7 = nullptr, *Button8 = nullptr, *Button9 = nullptr, *Button10 = nullptr,
                *Button16 = nullptr, *Button18 = nullptr, *Button19 = nullptr;
    QCheckBox *CBPoeng = nullptr, *CBOdds = nullptr, *CBStreck = nullptr, *CBKusk = nullptr,
              *CBRank = nullptr, *CBStart = nullptr, *CBStr100 = nullptr;
    QLabel *Lordning = nullptr, *Maxrader = nullptr, *Lantalraderutan = nullptr, *Antalkusar = nullptr,
           *Pfil = nullptr;
    QLabel *Label2 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label11 = nullptr,
           *Label12 = nullptr, *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label19 = nullptr,
           *Label20 = nullptr;
    QLabel* GroupLegend[GroupCount + 1] = {};  // Label3 ... Label6

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Where a drop on a component is measured from.
    enum class DropKind { Exact, RowTop, RowBottom, Separator };
    // What a press on the component does: drag its row, mark its horse, or nothing.
    enum class RowPart { Row, Box, Other };
    struct DropTarget {
        DropKind kind;
        RowPart part;
        int race;
        int horse;
        int group = 0;
    };

    void BuildRaceColumns();
    void BuildRow(int race, int horse);
    void BuildBottomArea();
    void BuildHiddenControls();
    void BindHandlers();
    void SubscribeToChanges();

    void KnLesinAvdClick(int race);
    void MarkBoxMouseDown(int race, int group, int horse);
    void PaintRowGroup(int race, int horse);
    void PaintCounts();
    void PaintMarkedHorseCount();

    void ShowFixedOrder(const QString& name, void (TData::*place)());
    void PlaceRowsByStartNumber();
    void PlaceRowsByOdds();
    void PlaceRowsByPoints();
    void PlaceRace(int race, const HorseOrder& order);
    void Button5Click();

    void RowMouseDown(int race, int horse, QPoint globalPos);
    void StartRowDrag(int race, int horse);
    void DropRowAtPosition(int dropY);
    int DropYOf(const DropTarget& target, int yInTarget) const;

    void SetDesignState();

    QHash<QObject*, DropTarget> dropTargets_;
    // The row pressed for a drag, while the button is held: race, start number, press point.
    int pressedRace_ = 0, pressedHorse_ = 0;
    QPoint pressPoint_;
};

extern TData* Data;
