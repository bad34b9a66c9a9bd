#pragma once
// The next-race view: for every marked horse of the next race, how many rows of the system
// would have one correct race more than the best row so far if that horse won. Worked out
// anew on every activation from the last grading's NextRaceNo and NextRaceCorrect.

#include "model/domain.h"
#include "platform/ui/form.h"

class QLabel;

class TNesta : public VForm {
    Q_OBJECT
public:
    TNesta();
    void FormCreate() override;
    void ResetToStartState() override;

    QLabel* Rubrik = nullptr;
    QLabel* RowLabels[StartNumbers + 1] = {};  // r1 ... r15

protected:
    void FormActivate() override;
    void paintEvent(QPaintEvent* e) override;
};

extern TNesta* Nesta;
