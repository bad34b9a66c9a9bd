#pragma once
// A race popup beside the race-data window: one race in more detail, with points, odds,
// streck and streck scaled to 100 % per horse, its lines in the order in which the race-data
// window shows the race. The seven popups TF11 ... TF77 are this window for race slots 1-7.

#include <QLabel>

#include "model/variabl.h"
#include "platform/ui/form.h"

class TRacePopup : public VForm {
    Q_OBJECT
public:
    explicit TRacePopup(int race);

    int Race() const { return race_; }
    // Reads the tables and the race-data window and shows them: what activating the popup does.
    void FormActivate() override;
    // Back beside the race-data window.
    void FollowDataWindow();
    // Hides the popup and clears its open flag.
    void ClosePopup();

    QLabel* Label[StartNumbers + 1] = {};  // Label1 ... Label15: number, name, driver
    QLabel* LP[StartNumbers + 1] = {};     // points
    QLabel* LO[StartNumbers + 1] = {};     // odds
    QLabel* LS[StartNumbers + 1] = {};     // streck
    QLabel* LSP[StartNumbers + 1] = {};    // streck scaled to 100 %
    QLabel* Label16 = nullptr;             // "Avd. r"
    QLabel* Shape1 = nullptr;              // close box
    QLabel* Label21 = nullptr;             // "X"

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void BuildHeadings();
    void BuildLines();
    void ShowTexts();
    void PlaceLines();

    int race_;
};

// The popup of race slot race (1-7).
TRacePopup* RacePopup(int race);
// The race button "Avd r" of the race-data window: opens popup race and closes the others,
// or closes it when it is open.
void ToggleRacePopup(int race);
// Moves every open popup back beside the race-data window.
void FollowDataWindowWithPopups();
// Hides every popup and clears every open flag (the race-data window closes).
void HideRacePopups();
