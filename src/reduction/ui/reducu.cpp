#include "reduction/ui/reducu.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "conditions/mainrequests.h"
#include "marks/marking.h"
#include "model/colours.h"
#include "model/notify.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "platform/ui/runguard.h"
#include "racedata/streck.h"
#include "racedata/ui/streckgrid.h"
#include "reduction/percentdisplays.h"
#include "reduction/pointsentry.h"
#include "reduction/ui/infoutdeln.h"
#include "reduction/ui/slumpis.h"
#include "views/ui/infostrecken.h"
#include "views/ui/seenkelrad.h"

TReduceraF* ReduceraF = nullptr;

namespace {

const QColor Background = ToQColor(PaleCream);
const QColor Maroon{128, 0, 0};
constexpr int GridTop = 75;
constexpr int RowStep = 15;
constexpr int CellHeight = 14;

struct GridColumns {
    int first;  // x of race 1
    int step;   // between races
    int race7;  // x of the dummy race, beyond the right edge
    int width;
};

constexpr GridColumns StreckColumns{62, 20, 808, 19};
constexpr GridColumns UnreducedColumns{203, 21, 833, 20};
constexpr GridColumns PointsColumns{350, 27, 875, 26};
constexpr GridColumns ReducedColumns{534, 21, 922, 20};

int ColumnX(const GridColumns& grid, int race)
{
    return race == RaceSlots ? grid.race7 : grid.first + grid.step * (race - 1);
}

QRect CellRect(const GridColumns& grid, int race, int startNr)
{
    return {ColumnX(grid, race), GridTop + RowStep * (startNr - 1), grid.width, CellHeight};
}

QString CellName(const char* grid, int race, int startNr)
{
    return QStringLiteral("%1%2%3").arg(QLatin1String(grid)).arg(race).arg(startNr);
}

const QString NoRowsMessage = QStringLiteral("Det finns inga rader.");
const QString NoStreckMessage = QStringLiteral("Streckfördelningen saknas.");

}  // namespace

TReduceraF::TReduceraF() : VForm(QStringLiteral("Reducera"), QSize(725, 549))
{
    setObjectName(QStringLiteral("ReduceraF"));
    SetBackground(this, Background);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CentreOverMainWhenFirstShown();
    BuildGrids();
    BuildControls();
    Subscribe();
}

void TReduceraF::BuildGrids()
{
    const QFont cellFont = SansFont(11);
    struct Heading {
        const char* caption;
        const GridColumns* grid;
    };
    for (const Heading& h :
         {Heading{"V64-Procent", &StreckColumns}, Heading{"Oreducerat system [%]", &UnreducedColumns},
          Heading{"Poäng, ange 0 - 100", &PointsColumns}, Heading{"Reducerat system [%]", &ReducedColumns}}) {
        NewLabel(this, QString(), QString::fromUtf8(h.caption), {h.grid->first, 28, 142, 14},
                 SansFont(12, true));
        NewLabel(this, QString(), QStringLiteral("Avdelning"), {h.grid->first, 43, 6 * h.grid->step, 14},
                 SansFont(11));
        for (int race = 1; race <= 6; ++race)
            NewCentredLabel(this, QString(), QString::number(race),
                            {ColumnX(*h.grid, race), 58, h.grid->width, 14}, cellFont);
    }
    for (int x : {40, 185, 328, 512, 662})
        for (int h = 1; h <= StartNumbers; ++h)
            NewCentredLabel(this, QString(), QString::number(h),
                            {x, GridTop + RowStep * (h - 1), 18, CellHeight}, cellFont);

    // The label grids stand on a maroon backdrop that shows between their cells.
    for (const GridColumns* grid : {&StreckColumns, &UnreducedColumns, &ReducedColumns})
        NewShape(this, QString(),
                 {grid->first - 1, GridTop - 1, 6 * grid->step + 1, RowStep * StartNumbers + 1}, Maroon);
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int h = 1; h <= StartNumbers; ++h) {
            s[race][h] = NewBox(this, CellName("s", race, h), QStringLiteral("0"),
                                CellRect(StreckColumns, race, h), cellFont, Qt::white);
            o[race][h] = NewBox(this, CellName("o", race, h), QStringLiteral("   0"),
                                CellRect(UnreducedColumns, race, h), cellFont, Qt::white);
            r[race][h] = NewBox(this, CellName("r", race, h), QStringLiteral("0"),
                                CellRect(ReducedColumns, race, h), cellFont, Qt::white);
            for (QLabel* cell : {s[race][h], o[race][h], r[race][h]})
                cell->setAlignment(Qt::AlignCenter);
            QRect pointsRect = CellRect(PointsColumns, race, h);
            pointsRect.adjust(0, -1, 0, 1);
            p[race][h] = NewEdit(this, CellName("p", race, h), pointsRect, 4);
            p[race][h]->setFont(cellFont);
            p[race][h]->setText(race == RaceSlots && h == 1 ? QStringLiteral("   1")
                                                            : QStringLiteral("   0"));
            p[race][h]->installEventFilter(this);
        }
        ss[race] = NewBox(this, QStringLiteral("ss%1").arg(race), QStringLiteral("253"),
                          {ColumnX(StreckColumns, race), GridTop + RowStep * StartNumbers + 4,
                           StreckColumns.width, CellHeight},
                          cellFont, Qt::white);
        ss[race]->setAlignment(Qt::AlignCenter);
    }
    NewLabel(this, QString(), QStringLiteral("S:a"),
             {36, GridTop + RowStep * StartNumbers + 4, 24, CellHeight}, cellFont);

    const std::array<const GridColumns*, 4> coveredGrids = {nullptr, &StreckColumns, &UnreducedColumns,
                                                            &ReducedColumns};
    for (int race = 1; race <= 6; ++race)
        for (int grid = 1; grid <= 3; ++grid) {
            const GridColumns& columns = *coveredGrids[grid];
            Lock[race][grid] = NewShape(
                this, QStringLiteral("Lock%1%2").arg(race).arg(grid),
                {ColumnX(columns, race), GridTop, columns.width, RowStep * StartNumbers}, Background);
            Lock[race][grid]->setFrameShape(QFrame::NoFrame);
            Lock[race][grid]->hide();
        }
}

void TReduceraF::BuildControls()
{
    const int below = GridTop + RowStep * StartNumbers + 24;
    BuildButtons<TReduceraF>(
        this, this,
        {{&TReduceraF::Button2, "Button2", "Överför till poäng", {40, below, 150, 24}},
         {&TReduceraF::Button3, "Button3", "Beräkna", {200, below, 120, 24}},
         {&TReduceraF::Button4, "Button4", "Överför till poäng", {200, below + 28, 120, 24}},
         {&TReduceraF::Button6, "Button6", "Info", {4, 4, 50, 22}},
         {&TReduceraF::Button7, "Button7", "R-kod", {10, 512, 70, 26}},
         {&TReduceraF::Button5, "Button5", "Se raderna", {88, 512, 100, 26}},
         {&TReduceraF::Button8, "Button8", "Utdelningsintervall", {196, 512, 140, 26}},
         {&TReduceraF::Konstrueraknapp, "Konstrueraknapp", "Konstruera system", {344, 512, 150, 26}},
         {&TReduceraF::KnAvbryt, "KnAvbryt", "Avbryt", {502, 512, 100, 26}},
         {&TReduceraF::Button1, "Button1", "Stäng", {610, 512, 100, 26}}});
    KnAvbryt->hide();

    GroupBox5 = new QGroupBox(QStringLiteral("Visa avd"), this);
    GroupBox5->setObjectName(QStringLiteral("GroupBox5"));
    GroupBox5->setGeometry(350, below - 6, 175, 46);
    for (int race = 1; race <= 6; ++race) {
        CheckBox[race] = NewCheckBox(GroupBox5, QStringLiteral("CheckBox%1").arg(race), QString::number(race),
                                     {6 + 28 * (race - 1), 18, 28, 20});
        CheckBox[race]->setChecked(true);
    }

    const int lower = below + 62;
    GroupBox3 = new QGroupBox(QStringLiteral("Aktiva begränsningar"), this);
    GroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    GroupBox3->setGeometry(10, lower, 220, 96);
    struct Restriction {
        QCheckBox* TReduceraF::*member;
        bool ReductionRestrictions::*mirror;
        const char* name;
        const char* caption;
    };
    const Restriction restrictions[] = {
        {&TReduceraF::CBVinnare, &ReductionRestrictions::winnerCounts, "CBVinnare", "Vinnare"},
        {&TReduceraF::CBVillkor, &ReductionRestrictions::groupConditions, "CBVillkor", "Villkor"},
        {&TReduceraF::CBABCD, &ReductionRestrictions::abcdList, "CBABCD", "ABCD-listan"},
        {&TReduceraF::CBStartnr, &ReductionRestrictions::startNumbers, "CBStartnr", "Startnummer"},
        {&TReduceraF::CBChans, &ReductionRestrictions::points, "CBChans", "Poängvillkor"},
        {&TReduceraF::CBovrigt, &ReductionRestrictions::otherNumbers, "CBovrigt", "Övrigt"},
    };
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = NewCheckBox(GroupBox3, QString::fromLatin1(restrictions[i].name),
                                     QString::fromUtf8(restrictions[i].caption),
                                     {8 + 105 * (i / 3), 20 + 24 * (i % 3), 105, 20});
        this->*restrictions[i].member = box;
        connect(box, &QCheckBox::toggled, this,
                [mirror = restrictions[i].mirror](bool on) { ReductionBoxes.*mirror = on; });
    }
    for (QCheckBox* box : {CBVinnare, CBVillkor, CBABCD})
        box->setChecked(true);

    GroupBox4 = new QGroupBox(QStringLiteral("Överför poängvillkor till poäng"), this);
    GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    GroupBox4->setGeometry(238, lower, 210, 96);
    NewLabel(GroupBox4, QString(), QStringLiteral("Villkor nr"), {8, 22, 60, 20});
    Ecvnr = new QSpinBox(GroupBox4);
    Ecvnr->setObjectName(QStringLiteral("Ecvnr"));
    Ecvnr->setRange(1, ConditionCount);
    Ecvnr->setValue(1);
    Ecvnr->setGeometry(70, 20, 60, 24);
    Button9 = NewButton(GroupBox4, QStringLiteral("Button9"), QStringLiteral("Läs in"), {138, 20, 64, 24});
    Ecvnrkomm = NewEdit(GroupBox4, QStringLiteral("Ecvnrkomm"), {8, 56, 194, 24}, 40);
    Ecvnrkomm->setReadOnly(true);

    GroupBox2 = new QGroupBox(QStringLiteral("System"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(456, lower, 150, 96);
    RBNytt = NewRadioButton(GroupBox2, QStringLiteral("RBNytt"), QStringLiteral("Nytt"), {8, 16, 60, 20});
    RBNytt->setChecked(true);
    RadioButton4 = NewRadioButton(GroupBox2, QStringLiteral("RadioButton4"), QStringLiteral("Utöka till ..."),
                                  {8, 36, 130, 20});
    NewLabel(GroupBox2, QString(), QStringLiteral("Antal rader:"), {8, 56, 75, 18});
    Editradantal = NewEdit(GroupBox2, QStringLiteral("Editradantal"), {86, 55, 56, 20}, 5);
    Editradantal->setText(QStringLiteral("0"));
    Editradantal->installEventFilter(this);
    NewLabel(GroupBox2, QString(), QStringLiteral("Klara rader:"), {8, 76, 75, 18});
    LRader = NewLabel(GroupBox2, QStringLiteral("LRader"), QStringLiteral("0"), {86, 76, 56, 18});

    GroupBox1 = new QGroupBox(QStringLiteral("Radskillnad"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(614, lower, 100, 96);
    for (int k = 1; k <= 5; ++k) {
        RBSkillnad[k] = NewRadioButton(GroupBox1, QStringLiteral("RBSkillnad%1").arg(k), QString::number(k),
                                       {k <= 3 ? 8 : 54, 18 + 24 * ((k - 1) % 3), 40, 20});
    }
    RBSkillnad[1]->setChecked(true);

    connect(Button1, &QPushButton::clicked, this, &TReduceraF::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TReduceraF::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TReduceraF::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TReduceraF::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TReduceraF::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TReduceraF::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TReduceraF::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TReduceraF::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TReduceraF::Button9Click);
    connect(Konstrueraknapp, &QPushButton::clicked, this, &TReduceraF::KonstrueraknappClick);
    connect(KnAvbryt, &QPushButton::clicked, this, &TReduceraF::KnAvbrytClick);
    connect(Ecvnr, &QSpinBox::valueChanged, this, &TReduceraF::EcvnrChange);
    connect(Editradantal, &QLineEdit::textChanged, this, &TReduceraF::EditradantalChange);
    for (int race = 1; race <= 6; ++race)
        connect(CheckBox[race], &QCheckBox::toggled, this, [this, race] { CheckBoxClick(race); });
}

void TReduceraF::Subscribe()
{
    Events::HorseMarked.Subscribe(this, [this](int race, int startNr) { PaintHorseColour(race, startNr); });
    Events::MarksCleared.Subscribe(this, [this] { PaintAllColours(); });
    Events::GroupsReplaced.Subscribe(this, [this] { PaintAllColours(); });
    Events::SystemStreckPercentChanged.Subscribe(this, [this] { PaintReduced(); });
    Events::StreckPresentRecomputed.Subscribe(this, [this] { PaintStreck(); });
    Events::SystemLoaded.Subscribe(this, [this] { PaintUnreduced(); });
    Events::ReductionInputsChanged.Subscribe(this, [this](bool unreducedShown) {
        hide();
        if (unreducedShown)
            for (int race = 1; race <= RaceSlots; ++race)
                for (int h = 1; h <= StartNumbers; ++h)
                    o[race][h]->setText(QStringLiteral("   0"));
    });
}

void TReduceraF::ResetToStartState()
{
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int h = 1; h <= StartNumbers; ++h) {
            s[race][h]->setText(QStringLiteral("0"));
            o[race][h]->setText(QStringLiteral("   0"));
            r[race][h]->setText(QStringLiteral("0"));
            p[race][h]->setText(race == RaceSlots && h == 1 ? QStringLiteral("   1")
                                                            : QStringLiteral("   0"));
            p[race][h]->show();
        }
        ss[race]->setText(QStringLiteral("253"));
    }
    for (int race = 1; race <= 6; ++race) {
        const QSignalBlocker blocker(CheckBox[race]);
        CheckBox[race]->setChecked(true);
        for (int grid = 1; grid <= 3; ++grid)
            Lock[race][grid]->hide();
    }
    for (QCheckBox* box : {CBVinnare, CBVillkor, CBABCD})
        box->setChecked(true);
    for (QCheckBox* box : {CBStartnr, CBChans, CBovrigt})
        box->setChecked(false);
    RBNytt->setChecked(true);
    RBSkillnad[1]->setChecked(true);
    {
        const QSignalBlocker blocker(Editradantal);
        Editradantal->setText(QStringLiteral("0"));
    }
    LRader->setText(QStringLiteral("0"));
    KnAvbryt->hide();
    PaintAllColours();
}

void TReduceraF::PaintHorseColour(int race, int startNr)
{
    if (race < 1 || race > RaceSlots || startNr < 1 || startNr > StartNumbers)
        return;
    const QColor colour = ToQColor(GroupColour(HorseGroupOf(race, startNr)));
    for (QWidget* cell : std::initializer_list<QWidget*>{s[race][startNr], o[race][startNr], r[race][startNr],
                                                         p[race][startNr]})
        SetBackground(cell, colour);
}

void TReduceraF::PaintAllColours()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            PaintHorseColour(race, h);
}

void TReduceraF::PaintStreck()
{
    for (int race = 1; race <= RaceSlots; ++race)
        PaintStreckRace(race, s[race].data(), ss[race]);
}

void TReduceraF::PaintReduced()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            r[race][h]->setText(QString::number(SystemStreckPercent[HorseIndex(race, h)]));
}

void TReduceraF::PaintUnreduced()
{
    for (int race = 1; race <= RaceSlots; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            o[race][h]->setText(PadCellNumber(UnreducedPercent[HorseIndex(race, h)]));
}

void TReduceraF::ShowPointsPadded(int lastRace)
{
    for (int race = 1; race <= lastRace; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            p[race][h]->setText(PadCellNumber(ReductionPoints[HorseIndex(race, h)]));
}

void TReduceraF::FormActivate()
{
    for (int race = 1; race <= 6; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            p[race][h]->setText(QString::number(ReductionPoints[HorseIndex(race, h)]));
    RecomputeStreckPresent();
    Ecvnr->setValue(1);
    EcvnrChange();
    CBStartnr->setChecked(ConditionSwitches.startNumbers);
    CBChans->setChecked(ConditionSwitches.points);
    CBovrigt->setChecked(ConditionSwitches.otherNumbers);
}

// An edit is left when the focus moves to another control of the window, not when the
// window itself loses the focus (another window, a message box).
bool TReduceraF::eventFilter(QObject* watched, QEvent* e)
{
    const auto reason =
        e->type() == QEvent::FocusOut ? static_cast<QFocusEvent*>(e)->reason() : Qt::NoFocusReason;
    if (e->type() == QEvent::FocusOut && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        if (watched == Editradantal) {
            EditradantalExit();
        } else {
            for (int race = 1; race <= RaceSlots; ++race)
                for (int h = 1; h <= StartNumbers; ++h)
                    if (watched == p[race][h])
                        PointsEditExit(race, h);
        }
    }
    return VForm::eventFilter(watched, e);
}

void TReduceraF::PointsEditExit(int race, int startNr)
{
    QLineEdit* edit = p[race][startNr];
    edit->setText(CommitReducePointEdit(100 * race + startNr, edit->text()));
}

void TReduceraF::Button1Click()
{
    close();
}

void TReduceraF::Button2Click()
{
    TransferStreckToPoints();
    ShowPointsPadded(6);
}

void TReduceraF::Button3Click()
{
    if (UnreducedPercentValid == 0)
        RequestConstruction();
    PaintUnreduced();
}

void TReduceraF::Button4Click()
{
    TransferUnreducedToPoints();
    for (int race = 1; race <= RaceSlots; ++race)
        for (int h = 1; h <= StartNumbers; ++h)
            p[race][h]->setText(o[race][h]->text());
}

void TReduceraF::Button5Click()
{
    if (SingleRowsBuilt != 0)
        Seenkelrader->Show();
    else
        ShowMessage(NoRowsMessage);
}

void TReduceraF::Button6Click()
{
    InfoStreck->Show();
}

void TReduceraF::Button7Click()
{
    Slump->ShowModal();
}

void TReduceraF::Button8Click()
{
    if (RecomputeStreckPresent())
        Infoutd->Show();
    else
        ShowMessage(NoStreckMessage);
}

void TReduceraF::Button9Click()
{
    TransferConditionToPoints(Ecvnr->value());
    ShowPointsPadded(RaceSlots);
}

void TReduceraF::EcvnrChange()
{
    Ecvnrkomm->setText(PointsConditionComment(Ecvnr->value()));
}

void TReduceraF::EditradantalChange()
{
    if (const std::optional<QString> replacement = ChangeSingleRowTarget(Editradantal->text()))
        Editradantal->setText(*replacement);
}

void TReduceraF::EditradantalExit()
{
    if (SingleRowTargetTextQuestionable(Editradantal->text()))
        ShowMessage(TargetQuestionMessage);
}

void TReduceraF::CheckBoxClick(int race)
{
    const bool shown = CheckBox[race]->isChecked();
    for (int h = 1; h <= StartNumbers; ++h)
        p[race][h]->setVisible(shown);
    for (int grid = 1; grid <= 3; ++grid) {
        Lock[race][grid]->setVisible(!shown);
        Lock[race][grid]->raise();
    }
}

ReductionSettings TReduceraF::ReadSettings() const
{
    ReductionSettings settings;
    settings.restrictions = ReductionBoxes;
    for (int k = 1; k <= 5; ++k)
        if (RBSkillnad[k]->isChecked())
            settings.rowDifference = k;
    settings.extend = RadioButton4->isChecked();
    settings.fixedCode = !Slump->KnappNormal->isChecked();
    settings.payoutSwitch = ConditionSwitches.payout;
    settings.groups = CurrentStartNrGroupSettings();
    return settings;
}

ReductionResult TReduceraF::RunReduction()
{
    RunGuard guard(KnAvbryt);
    ReductionProgress progress;
    progress.started = [this] {
        KnAvbryt->show();
        LRader->setText(QString::number(SingleRowCount));
        repaint();
    };
    progress.progress = [this, &guard](int32 rows) {
        guard.Refresh([this, rows] { LRader->setText(QString::number(rows)); });
        return true;  // "Avbryt" stops the run through ReduceAbort
    };
    progress.finished = [this] { KnAvbryt->hide(); };
    return RunVaryingReduction(ReadSettings(), progress);
}

void TReduceraF::KonstrueraknappClick()
{
    if (RunGuard::Active())
        return;
    const ReductionResult result = RunReduction();
    if (result.outcome == ReductionOutcome::Refused) {
        ShowMessage(result.message);
        return;
    }
    LRader->setText(QString::number(result.rows));
    Editradantal->setText(QString::number(result.rows));
    if (result.outcome == ReductionOutcome::NoMoreRows)
        ShowMessage(result.message);
}

void TReduceraF::KnAvbrytClick()
{
    ReduceAbort = 1;
}
