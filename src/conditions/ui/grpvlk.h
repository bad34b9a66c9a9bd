#pragma once
// The window of the three groups over the start-number conditions: per group the member box
// of each condition 1-100 (CB<g><c>), the "aktiv" box (CBA<g>) and the limits "Krav:" low -
// high (E<g>L, E<g>H). The boxes and limits mirror their tables, which the construction
// reads; only an active condition's member boxes take clicks. It stays on top and sits below
// the main window's marking grid each time it becomes active.

#include "conditions/rowconditions.h"
#include "platform/ui/form.h"

class QCheckBox;
class QLineEdit;

class TGruppvillkor : public VForm {
    Q_OBJECT
public:
    TGruppvillkor();
    void FormCreate() override;
    void FormActivate() override;
    void ResetToStartState() override;

    static constexpr int Groups = StartNrGroupCount;

    QCheckBox* MemberBoxes[Groups + 1][ConditionCount + 1] = {};  // [group][condition]
    QCheckBox* ActiveBoxes[Groups + 1] = {};                      // CBA1-CBA3
    QLineEdit* LowEdits[Groups + 1] = {};                         // E1L, E2L, E3L
    QLineEdit* HighEdits[Groups + 1] = {};                        // E1H, E2H, E3H

    // Enables the member boxes of the active conditions and disables the others.
    void EnableGroupConditionBoxes();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildGroup(int group);
    void LimitChange(QLineEdit* edit, int index, const QString& text);
    void LimitExit(QLineEdit* edit, int index);
    void PaintBoxes();
    void PaintLimits();

    QLineEdit* LimitEdit(int index) const;
};

extern TGruppvillkor* Gruppvillkor;
