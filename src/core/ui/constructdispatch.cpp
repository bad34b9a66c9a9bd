#include "core/ui/constructdispatch.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "conditions/groupsystem.h"
#include "conditions/mainrequests.h"
#include "core/construct.h"
#include "core/mainactions.h"
#include "core/ui/huvf.h"
#include "core/ui/infoch.h"
#include "core/ui/infoomreduc.h"
#include "core/ui/inforeduc.h"
#include "core/ui/rettainfo.h"
#include "core/ui/textinfo.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/hourglass.h"
#include "platform/ui/runguard.h"

namespace {

const QString NoMarksMessage = QStringLiteral("Markera först minst en häst i varje avdelning.");
const QString SingleRowsQuestion = QStringLiteral("Enkelraderna raderas. Är det OK?    ");

// The wait sign with its "Avbryt".
void ShowWaitingPanel(bool shown)
{
    ShowWaitSign(shown);
    V65x->Avbrytknapp->setVisible(shown);
}

// Rows built by the engine; returns the error message to show afterwards, if any.
QString ConstructRowSystem()
{
    const ConstructionResult result = RunConstructionEngine();
    return result.outcome == ConstructionOutcome::TooManyCoupons ? QString::fromUtf8(TooManyCouponsMessage)
                                                                 : QString();
}

// Group coupons; the coupon count shows at every merge pass. A build without coupons shows
// no rows and no price. Returns the builder's alarm, if any.
QString ConstructGroupSystem()
{
    const GroupSystemResult result = SplitGroupSystemIntoCoupons([](int32 coupons) {
        PublishRunningCouponCount(coupons);
        V65x->PaintResultLabels();
        V65x->LabelKup->repaint();
    });
    PublishGroupSystemOutcome(result);
    V65x->PaintResultLabels();
    return result.alarmMessage;
}

// The builder under the hourglass; its message afterwards.
void ConstructWith(Builder builder)
{
    QString message;
    {
        const HourglassCursor hourglass;
        message = builder == Builder::RowEngine ? ConstructRowSystem() : ConstructGroupSystem();
    }
    if (!message.isEmpty())
        ShowErrorMessage(message);
}

}  // namespace

void ShowWaitSign(bool shown)
{
    for (QWidget* part : std::initializer_list<QWidget*>{V65x->Venta1, V65x->Venta2, V65x->Venta3})
        part->setVisible(shown);
}

void TV65x::ConnectConstructDispatch()
{
    connect(Berekna, &QPushButton::clicked, this, &TV65x::BereknaClick);
}

// The one place where the windows below this one get their way to it; the condition windows'
// "Beräkna radantal" counts rows through the same run as "Flerkupong".
void TV65x::InstallMainWindowRequests()
{
    ::InstallMainWindowRequests({
        .construct = ConfirmAndConstruct,
        .countRows = RunConstructionEngine,
        .showHelp =
            [](HelpTopic topic) {
                switch (topic) {
                    case HelpTopic::Points:
                        InfoChans->Show();
                        break;
                    case HelpTopic::Reduction:
                        Reducinfo->ShowModal();
                        break;
                    case HelpTopic::SingleRows:
                        Inforeducering->Show();
                        break;
                    case HelpTopic::Grading:
                        Rettningsinfo->ShowModal();
                        break;
                    case HelpTopic::TextReport:
                        txtInfo->ShowModal();
                        break;
                }
            },
    });
}

void TV65x::BereknaClick()
{
    if (RunGuard::Active())
        return;
    if (UnreducedRowCount <= 0) {
        ShowMessage(NoMarksMessage);
        return;
    }
    ConfirmAndConstruct();
}

void ConfirmAndConstruct()
{
    if (RunGuard::Active())
        return;
    DetachGradedRound();
    if (UnsavedSingleRowsExist() && !AskYesNo(SingleRowsQuestion))
        return;
    BeginCouponConstruction();
    V65x->PaintResultLabels();
    ConstructSystem();
}

void ConstructSystem()
{
    if (!RunGuard::Active())
        ConstructWith(ChooseBuilder());
}

void ConstructLoadedSystem()
{
    if (!RunGuard::Active())
        ConstructWith(GroupSystemBuilt == 1 ? Builder::GroupSystem : Builder::RowEngine);
}

ConstructionResult RunConstructionEngine()
{
    if (RunGuard::Active()) {
        ConstructionResult refused;
        refused.outcome = ConstructionOutcome::AlreadyRunning;
        return refused;
    }
    const TResultLabels shownBefore = ResultLabels;
    RunGuard guard(V65x->Avbrytknapp);
    ConstructionProgress progress;
    progress.started = [] {
        ShowWaitingPanel(true);
        V65x->repaint();
    };
    progress.progress = [&guard](int32 rowsSoFar) {
        guard.Refresh([rowsSoFar] {
            PublishRunningRowCount(rowsSoFar);
            V65x->PaintResultLabels();
        });
        return true;  // "Avbryt" stops the run through ReduceAbort
    };
    progress.finished = [] { ShowWaitingPanel(false); };
    const ConstructionResult result = ConstructSystemRows(ConditionSwitches, progress);
    if (PublishConstructionOutcome(result, shownBefore))
        V65x->PaintResultLabels();
    return result;
}
