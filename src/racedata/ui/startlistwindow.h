#pragma once
// A start-list window: the start list of one race as fifteen fixed rows of streck, odds, start
// number and name, with the columns that the main window's switches "Procent", "Odds" and
// "Häst" choose. The seven windows TStartlista1 ... TStartlista7 are this window for race
// slots 1-7.

#include <QLabel>

#include "model/variabl.h"
#include "platform/ui/form.h"

class TStartlistaWindow : public VForm {
    Q_OBJECT
public:
    explicit TStartlistaWindow(int race);

    int Race() const { return race_; }
    void FormCreate() override;
    void ResetToStartState() override;
    // Reads the tables and the main window and shows them: what activating the window does.
    void FormActivate() override;

    QLabel* s[StartNumbers + 1] = {};  // streck
    QLabel* o[StartNumbers + 1] = {};  // odds
    QLabel* n[StartNumbers + 1] = {};  // start number
    QLabel* h[StartNumbers + 1] = {};  // name

private:
    void ShowStartLook();
    void FitToVisibleLabels();

    int race_;
};

// The start-list window of race slot race (1-7).
TStartlistaWindow* StartListWindow(int race);
