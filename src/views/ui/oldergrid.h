#pragma once
// The grid that the older single-row window's two streck windows share: per race slot 1-7
// and start number 1-15 a cell L<r><h> (the cell of race 6, start number 3 is "l63") on a
// maroon panel, start-number headings above, race headings on both sides, on the teal
// background of the older single-row window.

#include "model/domain.h"
#include "platform/ui/form.h"
#include "views/olderstreck.h"

class QLabel;

class TOlderStreckGrid : public VForm {
    Q_OBJECT
public:
    QLabel* Panel1 = nullptr;
    QLabel* Label[StartNumbers + 1] = {};
    QLabel* L[RaceSlots + 1][StartNumbers + 1] = {};
    QLabel* LProc[RaceSlots + 1] = {};

    // Every cell shows its share in decimal, coloured by the horse's group and that share.
    void ShowShares(const HorseShares& shares);

protected:
    TOlderStreckGrid(const QString& caption, QSize clientSize);

    // A window of a folder above this one (the older single-row window, the information on
    // reduction with single rows), found by its name; null when there is none.
    static VForm* WindowNamed(const char* name);
    // The position of the older single-row window, which is created before these windows.
    static QPoint OlderSingleRowWindowPos();
};
