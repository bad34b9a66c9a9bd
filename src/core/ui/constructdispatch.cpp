#include "core/ui/constructdispatch.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

#include "conditions/groupsystem.h"
#include "conditions/rowcount.h"
#include "core/ui/huvf.h"
#include "core/ui/inforeduc.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/inputblocker.h"
#include "reduction/ui/reducu.h"

namespace {

const QString NoMarksMessage = QStringLiteral("Markera först minst en häst i varje avdelning.");
const QString SingleRowsQuestion = QStringLiteral("Enkelraderna raderas. Är det OK?    ");
const QString NoCount = QStringLiteral("x");

ConstructionSwitches MainWindowSwitches()
{
    ConstructionSwitches switches;
    switches.startNumbers = V65x->VlkstartnrJA->isChecked();
    switches.points = V65x->VlkvinstchJA->isChecked();
    switches.otherNumbers = V65x->Vlkovrigt->isChecked();
    switches.payout = V65x->CBUtdelning->isChecked();
    return switches;
}

bool AnySwitchTicked(const ConstructionSwitches& s)
{
    return s.startNumbers || s.points || s.otherNumbers || s.payout;
}

void ShowWaitingPanel(bool shown)
{
    for (QWidget* part :
         std::initializer_list<QWidget*>{V65x->Venta1, V65x->Venta2, V65x->Venta3, V65x->Avbrytknapp})
        part->setVisible(shown);
}

void ShowRowCount(const QString& rows)
{
    ResultLabels.Radantal = rows;
    ResultLabels.Raderoreduc = rows;
}

// No system claims to be constructed: "x" as the counts, no price.
void ShowNoSystem()
{
    ShowRowCount(NoCount);
    ResultLabels.Kup = NoCount;
    ResultLabels.PriceVisible = false;
}

void ShowSystem(int32 rows, int32 coupons, const PriceTexts& price)
{
    ShowRowCount(QString::number(rows));
    ResultLabels.Kup = QString::number(coupons);
    ResultLabels.Prisrader = price.rows;
    ResultLabels.Prisavg = price.fees;
    ResultLabels.Pristot = price.total;
    ResultLabels.PriceVisible = true;
    for (QPushButton* button :
         {V65x->Button2, V65x->Button3, V65x->Button4, V65x->Button5, V65x->LATGfil, V65x->KnReducera})
        button->setEnabled(true);
}

// The counts that an engine run leaves; nothing for a run that was refused.
void ShowEngineOutcome(const ConstructionResult& result)
{
    switch (result.outcome) {
        case ConstructionOutcome::RowsCounted:
            ShowRowCount(QString::number(result.rowsAccepted));
            break;
        case ConstructionOutcome::SystemBuilt:
            ShowSystem(RowsKept, result.couponCount, result.price);
            break;
        case ConstructionOutcome::TooManyCoupons:
        case ConstructionOutcome::Cancelled:
            ShowNoSystem();
            break;
        case ConstructionOutcome::AlreadyRunning:
            return;
    }
    V65x->PaintResultLabels();
}

// Rows built by the engine; returns the error message to show afterwards, if any.
QString ConstructRowSystem()
{
    GroupSystemBuilt = 0;
    const ConstructionResult result = RunConstructionEngine();
    return result.outcome == ConstructionOutcome::TooManyCoupons ? QString::fromUtf8(TooManyCouponsMessage)
                                                                 : QString();
}

// Group coupons; the coupon count shows at every merge pass. A build without coupons shows
// no rows and no price. Returns the builder's alarm, if any.
QString ConstructGroupSystem()
{
    GroupSystemBuilt = 1;
    const GroupSystemResult result = SplitGroupSystemIntoCoupons([](int32 coupons) {
        ResultLabels.Kup = QString::number(coupons);
        V65x->PaintResultLabels();
        V65x->LabelKup->repaint();
    });
    if (result.couponsExist) {
        ShowSystem(RowsKept, result.couponCount, result.price);
    } else {
        ResultLabels.Radantal = QString::number(0);
        ResultLabels.Kup = QString::number(result.couponCount);
        ResultLabels.PriceVisible = false;
    }
    V65x->PaintResultLabels();
    return result.alarmMessage;
}

}  // namespace

void TV65x::ConnectConstructDispatch()
{
    connect(Berekna, &QPushButton::clicked, this, &TV65x::BereknaClick);
    ReductionMainWindowServices() = {MainWindowSwitches, ConfirmAndConstruct, [] { Reducinfo->ShowModal(); }};
    // The condition windows' "Beräkna radantal" counts rows through the same run.
    SetConstructionRun([] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        return RunConstructionEngine();
    });
}

void TV65x::BereknaClick()
{
    if (ConstructionRunning())
        return;
    if (UnreducedRowCount <= 0) {
        ShowMessage(NoMarksMessage);
        return;
    }
    ConfirmAndConstruct();
}

void ConfirmAndConstruct()
{
    if (ConstructionRunning())
        return;
    SaveRoundInFile = 0;
    if (SingleRowsBuilt == 1 && SingleRowsSaved == 0 && !AskYesNo(SingleRowsQuestion))
        return;
    SingleRowsBuilt = 0;
    V65x->LReducgrad->show();
    BuildCouponsAfterRows = 1;
    ShowNoSystem();
    V65x->PaintResultLabels();
    ConstructSystem();
}

void ConstructSystem()
{
    if (ConstructionRunning())
        return;
    QString message;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        message = AnySwitchTicked(MainWindowSwitches()) ? ConstructRowSystem() : ConstructGroupSystem();
    }
    if (!message.isEmpty())
        ShowErrorMessage(message);
}

ConstructionResult RunConstructionEngine()
{
    ConstructionProgress progress;
    progress.started = [] {
        ShowWaitingPanel(true);
        V65x->repaint();
    };
    progress.progress = [](int32 rowsSoFar) {
        ShowRowCount(QString::number(rowsSoFar));
        V65x->PaintResultLabels();
        QCoreApplication::processEvents();
        return true;  // "Avbryt" stops the run through ReduceAbort
    };
    progress.finished = [] { ShowWaitingPanel(false); };
    const InputBlocker onlyCancel(V65x->Avbrytknapp);
    const ConstructionResult result = ConstructSystemRows(MainWindowSwitches(), progress);
    ShowEngineOutcome(result);
    return result;
}
