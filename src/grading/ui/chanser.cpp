#include "grading/ui/chanser.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>

#include "conditions/ui/labelclicks.h"
#include "grading/chance.h"
#include "model/colours.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "platform/ui/runguard.h"

TChans* Chans = nullptr;

namespace {

const QColor DarkGreen(0, 160, 0);
constexpr int PickerLeft = 30;
constexpr int PickerTop = 70;
constexpr int PickerStep = 17;
constexpr int PickerSize = 16;
const QString InitialPayoutText = QStringLiteral("    0");
const QString InitialStakeText = QStringLiteral("     ");

QFont PanelFont()
{
    return SansFont(13, true);
}

}  // namespace

TChans::TChans()
    : VForm(QStringLiteral("Vinstchans och vinstchansvärde med reducerat system"), QSize(734, 306))
{
    setObjectName(QStringLiteral("Chans"));
    SetBackground(this, DarkGreen);
    CentreOverMainWhenFirstShown();
    NewBox(this, QStringLiteral("Rubrik"),
           QStringLiteral("Vinstchans och värdet/rad oberoende av turen vid reduceringen"), {6, 6, 722, 24},
           SansFont(14, true), YellowColour);
    BuildPicker();
    BuildResultPanel();
    BuildBoxes();
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Beräkna"), {450, 272, 84, 26});
    KnAvbryt = NewButton(this, QStringLiteral("KnAvbryt"), QStringLiteral("Avbryt"), {542, 272, 84, 26});
    Button1 = NewButton(this, QStringLiteral("Button1"), QStringLiteral("Stäng"), {634, 272, 84, 26});
    connect(Button1, &QPushButton::clicked, this, &TChans::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TChans::Button2Click);
    connect(KnAvbryt, &QPushButton::clicked, this, &TChans::KnAvbrytClick);

    Events::ChanceInputsChanged.Subscribe(this, [this] { ClearChanceResults(); });
    Events::ChanceSystemRowsChanged.Subscribe(this, [this] { ShowSystemRows(); });
    Events::GradingInputsChanged.Subscribe(this, [this] { MirrorGradingInputs(); });
}

void TChans::BuildPicker()
{
    NewBox(this, QString(), QString(), {6, 36, 290, 144}, WindowFont(), YellowColour);
    NewLabel(this, QStringLiteral("LRattRad"), QStringLiteral("Rätt rad"), {10, 38, 80, 16},
             SansFont(12, true));
    auto* clicks = new LabelClicks(this);
    for (int h = 1; h <= StartNumbers; ++h)
        NewCentredLabel(this, QString(), QString::number(h),
                        {PickerLeft + PickerStep * (h - 1), PickerTop - 16, PickerSize, 14},
                        SansFont(11, true));
    for (int r = 1; r <= RaceSlots; ++r) {
        const int top = PickerTop + PickerStep * (r - 1);
        QLabel* raceLabel = NewCentredLabel(this, QString(), QString::number(r), {10, top, 16, PickerSize},
                                            SansFont(11, true));
        raceLabel->setVisible(r <= 6);
        for (int h = 1; h <= StartNumbers; ++h) {
            QLabel* label =
                NewBox(this, QStringLiteral("rr%1%2").arg(r).arg(h, 2, 10, QLatin1Char('0')), QString(),
                       {PickerLeft + PickerStep * (h - 1), top, PickerSize, PickerSize}, SansFont(10, true),
                       Qt::white);
            label->setVisible(r <= 6);
            clicks->OnPress(label, [this, r, h] { rrClick(r, h); });
            rr[r][h] = label;
        }
    }
    for (int g = 1; g <= 4; ++g)
        NewBox(this, QString(), QString(QChar(u'A' + g - 1)), {PickerLeft + 22 * (g - 1), 186, 18, 16},
               SansFont(11, true), ToQColor(GroupColours[g]));
    NewLabel(this, QStringLiteral("LRadantal"), QStringLiteral("Systemets radantal:"), {120, 186, 120, 16},
             SansFont(12, true), Qt::AlignLeft | Qt::AlignVCenter);
    EditNRader = NewEdit(this, QStringLiteral("EditNRader"), {246, 184, 70, 20}, 7);
    EditNRader->setText(QStringLiteral("100"));
    EditNRader->installEventFilter(this);
}

void TChans::BuildResultPanel()
{
    NewBox(this, QString(), QString(), {302, 36, 426, 144}, WindowFont(), YellowColour);
    const QFont font = PanelFont();
    NewLabel(this, QStringLiteral("LResultat"), QStringLiteral("Resultat"), {308, 40, 80, 18}, font);
    NewLabel(this, QStringLiteral("LUtdelning"), QStringLiteral("Utdelning"), {362, 62, 80, 18}, font);
    NewLabel(this, QStringLiteral("LChans"), QStringLiteral("Chans / förväntat antal"), {452, 62, 180, 18},
             font);
    NewLabel(this, QStringLiteral("LVerde"), QStringLiteral("Värde [öre]"), {638, 62, 86, 18}, font);
    const struct {
        const char* caption;
        QLineEdit* TChans::*edit;
        const char* editName;
        QLabel* TChans::*chance;
        const char* chanceName;
        QLabel* TChans::*value;
        const char* valueName;
    } rows[] = {
        {"6 rätt", &TChans::Utd7Edit, "Utd7Edit", &TChans::Lch7, "Lch7", &TChans::Lverde7, "Lverde7"},
        {"5 rätt", &TChans::Utd6Edit, "Utd6Edit", &TChans::Lch6, "Lch6", &TChans::Lverde6, "Lverde6"},
        {"4 rätt", &TChans::Utd5Edit, "Utd5Edit", &TChans::Lch5, "Lch5", &TChans::Lverde5, "Lverde5"},
    };
    int top = 86;
    for (const auto& row : rows) {
        const bool shown = row.edit != &TChans::Utd5Edit;
        QLabel* caption = NewLabel(this, QString(), QString::fromUtf8(row.caption), {308, top, 52, 18}, font);
        QLineEdit* edit = NewEdit(this, QString::fromLatin1(row.editName), {362, top - 1, 80, 20}, 9);
        edit->setFont(MonoFont(13));
        edit->setFrame(false);
        edit->setText(InitialPayoutText);
        QLabel* chance =
            NewCentredLabel(this, QString::fromLatin1(row.chanceName), QString(), {452, top, 180, 18}, font);
        QLabel* value = NewLabel(this, QString::fromLatin1(row.valueName), QString(), {638, top, 82, 18},
                                 font, Qt::AlignRight | Qt::AlignVCenter);
        for (QWidget* w : std::initializer_list<QWidget*>{caption, edit, chance, value})
            w->setVisible(shown);
        this->*row.edit = edit;
        this->*row.chance = chance;
        this->*row.value = value;
        top += 24;
    }
    NewLabel(this, QStringLiteral("LSumma"), QStringLiteral("Summa:"), {550, 134, 70, 18}, font);
    Lsumverde = NewLabel(this, QStringLiteral("Lsumverde"), QString(), {628, 134, 94, 18}, font,
                         Qt::AlignRight | Qt::AlignVCenter);
    for (QLineEdit* edit : {Utd7Edit, Utd6Edit, Utd5Edit})
        edit->installEventFilter(this);

    NewLabel(this, QStringLiteral("LInsats"), QStringLiteral("Vinstchansvärdet / insatsen:"),
             {450, 192, 180, 18}, SansFont(12, true));
    Lprocentavinsats = NewBox(this, QStringLiteral("Lprocentavinsats"), InitialStakeText, {622, 191, 102, 20},
                              SansFont(12, true), YellowColour);
    NewLabel(this, QStringLiteral("LBeraknade"), QStringLiteral("Antal beräknade rader:"),
             {450, 222, 180, 18}, SansFont(12, true));
    Label9 = NewLabel(this, QStringLiteral("Label9"), QStringLiteral("0"), {638, 222, 82, 18},
                      SansFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
}

void TChans::BuildBoxes()
{
    auto* box = new QGroupBox(QStringLiteral(" Räkna med "), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    box->setGeometry(6, 206, 430, 98);
    box->setFont(SansFont(12, true));
    SetTextColour(box, Qt::white);
    const struct {
        const char* caption;
        int left;
    } columns[] = {{"villkor", 10}, {"tilläggsvillkor", 130}, {"gruppvillkor", 300}};
    for (const auto& column : columns)
        NewLabel(box, QString(), QString::fromUtf8(column.caption), {column.left, 14, 100, 14},
                 SansFont(11, true));
    BuildCheckBoxes(this, box,
                    {{&TChans::CBVinnare, "CBVinnare", "Vinnare", {10, 30, 110, 16}},
                     {&TChans::CBVillkor, "CBVillkor", "Villkor", {10, 47, 110, 16}},
                     {&TChans::CBABCD, "CBABCD", "ABCD", {10, 64, 110, 16}},
                     {&TChans::CBStartnr, "CBStartnr", "Startnummer", {130, 30, 160, 16}},
                     {&TChans::CBChans, "CBChans", "Poängvillkor", {130, 47, 160, 16}},
                     {&TChans::CBUtdelning, "CBUtdelning", "Utdelningsintervall", {130, 64, 160, 16}},
                     {&TChans::CBOvrigt, "CBOvrigt", "Övrigt", {130, 81, 160, 16}}});
    for (int g = 1; g <= 3; ++g)
        cba[static_cast<std::size_t>(g)] =
            NewCheckBox(box, QStringLiteral("cba%1").arg(g), QString::number(g), {300, 13 + 17 * g, 60, 16});
    for (QCheckBox* check : {CBVinnare, CBVillkor, CBABCD})
        check->setChecked(true);
    for (QCheckBox* check :
         {CBVinnare, CBVillkor, CBABCD, CBStartnr, CBChans, CBOvrigt, cba[1], cba[2], cba[3]})
        connect(check, &QCheckBox::toggled, this, &TChans::ClearChanceResults);
    for (QCheckBox* check :
         {CBVinnare, CBVillkor, CBABCD, CBStartnr, CBChans, CBUtdelning, CBOvrigt, cba[1], cba[2], cba[3]})
        SetTextColour(check, Qt::white);
}

// An edit is left when the focus moves to another control of the window (or Return is
// pressed), not when the window itself loses the focus.
bool TChans::eventFilter(QObject* watched, QEvent* e)
{
    const bool left = e->type() == QEvent::FocusOut &&
                      static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason &&
                      static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason;
    const bool entered =
        e->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Return ||
                                          static_cast<QKeyEvent*>(e)->key() == Qt::Key_Enter);
    if (left || entered) {
        const std::pair<QObject*, void (TChans::*)()> exits[] = {{EditNRader, &TChans::EditNRaderExit},
                                                                 {Utd7Edit, &TChans::Utd7EditExit},
                                                                 {Utd6Edit, &TChans::Utd6EditExit},
                                                                 {Utd5Edit, &TChans::Utd5EditExit}};
        for (const auto& [edit, exit] : exits)
            if (watched == edit)
                (this->*exit)();
    }
    return VForm::eventFilter(watched, e);
}

void TChans::ResetToStartState()
{
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            PaintPickerLabel(r, h, false);
    EditNRader->setText(QStringLiteral("100"));
    for (QLineEdit* edit : {Utd7Edit, Utd6Edit, Utd5Edit})
        edit->setText(InitialPayoutText);
    for (QCheckBox* check : {CBVinnare, CBVillkor, CBABCD})
        check->setChecked(true);
    for (QCheckBox* check : {CBStartnr, CBChans, CBUtdelning, CBOvrigt, cba[1], cba[2], cba[3]})
        check->setChecked(false);
    ClearChanceResults();
    Lprocentavinsats->setText(InitialStakeText);
    Label9->setText(QStringLiteral("0"));
    KnAvbryt->show();
    abortRequested_ = false;
    shownPayouts_.fill(0);
}

void TChans::ClearChanceResults()
{
    for (QLabel* label : {Lch7, Lch6, Lch5, Lverde7, Lverde6, Lverde5, Lsumverde})
        label->clear();
}

void TChans::PaintPickerLabel(int race, int startNr, bool chosen)
{
    QLabel* label = rr[race][startNr];
    label->setText(chosen ? QString::number(startNr) : QString());
    const int group = chosen ? HorseGroups[race][0][startNr] : 0;
    SetBackground(label, ToQColor(GroupColours[group >= 1 && group <= 4 ? group : 0]));
}

void TChans::rrClick(int race, int startNr)
{
    ClearChanceResults();
    const int before = PickChanceHorse(race, startNr);
    if (before != 0)
        PaintPickerLabel(race, before, false);
    if (before != startNr)
        PaintPickerLabel(race, startNr, true);
}

void TChans::PayoutEditExit(QLineEdit* edit, int entry)
{
    PayoutPerHits[entry] = AcceptedPayout(edit->text(), PayoutPerHits[entry]);
    shownPayouts_[static_cast<std::size_t>(entry)] = PayoutPerHits[entry];
    edit->setText(PayoutText(PayoutPerHits[entry]));
    ClearChanceResults();
}

void TChans::Utd7EditExit()
{
    PayoutEditExit(Utd7Edit, 2);
}

void TChans::Utd6EditExit()
{
    PayoutEditExit(Utd6Edit, 1);
}

void TChans::Utd5EditExit()
{
    PayoutEditExit(Utd5Edit, 0);
}

void TChans::EditNRaderExit()
{
    ChanceSystemRows = AcceptedSystemRows(EditNRader->text(), ChanceSystemRows);
    ShowSystemRows();
    ClearChanceResults();
}

void TChans::ShowSystemRows()
{
    EditNRader->setText(QString::number(ChanceSystemRows));
}

int TChans::PickedHorse(int race) const
{
    for (int h = 1; h <= StartNumbers; ++h)
        if (!rr[race][h]->text().isEmpty())
            return h;
    return 0;
}

// The grading window writes ChanceCorrectRow of the race it changed; the picker follows it.
void TChans::MirrorGradingInputs()
{
    for (int r = 1; r <= 6; ++r) {
        if (PickedHorse(r) == ChanceCorrectRow[r])
            continue;
        for (int h = 1; h <= StartNumbers; ++h)
            PaintPickerLabel(r, h, ChanceCorrectRow[r] == h);
        ClearChanceResults();
    }
    const std::array<QLineEdit*, 3> fields = {Utd5Edit, Utd6Edit, Utd7Edit};
    for (std::size_t entry = 0; entry < fields.size(); ++entry) {
        if (PayoutPerHits[entry] == shownPayouts_[entry])
            continue;
        shownPayouts_[entry] = PayoutPerHits[entry];
        fields[entry]->setText(PayoutText(PayoutPerHits[entry]));
        ClearChanceResults();
    }
}

void TChans::FormShow()
{
    CBStartnr->setChecked(ConditionSwitches.startNumbers);
    CBChans->setChecked(ConditionSwitches.points);
    CBUtdelning->setChecked(ConditionSwitches.payout);
    CBOvrigt->setChecked(ConditionSwitches.otherNumbers);
    for (int g = 1; g <= 3; ++g)
        cba[static_cast<std::size_t>(g)]->setChecked(ConditionGroupActive[g] == 1);
}

void TChans::Button1Click()
{
    close();
}

void TChans::Button2Click()
{
    if (ChanceRunning() || RunGuard::Active())
        return;
    if (EditNRader->text() != QString::number(ChanceSystemRows))
        EditNRaderExit();
    ChanceBoxes boxes;
    boxes.winnerCounts = CBVinnare->isChecked();
    boxes.groupConditions = CBVillkor->isChecked();
    boxes.abcdList = CBABCD->isChecked();
    boxes.startNumbers = CBStartnr->isChecked();
    boxes.points = CBChans->isChecked();
    boxes.payout = CBUtdelning->isChecked();
    boxes.otherNumbers = CBOvrigt->isChecked();
    for (int g = 1; g <= 3; ++g)
        boxes.groups[static_cast<std::size_t>(g)] = cba[static_cast<std::size_t>(g)]->isChecked();

    abortRequested_ = false;
    KnAvbryt->show();
    repaint();
    ChanceResult result;
    {
        RunGuard guard(KnAvbryt);
        result = EvaluateChances(boxes, [this, &guard](std::int64_t passed) {
            guard.Refresh([&] { Label9->setText(QString::number(passed)); });
            return !abortRequested_;
        });
    }
    KnAvbryt->hide();
    ShowResult(result);
}

void TChans::ShowResult(const ChanceResult& result)
{
    if (result.outcome == ChanceOutcome::AlreadyRunning)
        return;
    if (result.outcome != ChanceOutcome::Refused)
        Label9->setText(QString::number(result.rowsPassed));
    if (result.payoutUnticked)
        CBUtdelning->setChecked(false);
    if (result.outcome == ChanceOutcome::Evaluated) {
        const ChanceTexts& t = result.texts;
        const std::pair<QLabel*, QString> captions[] = {
            {Lch7, t.Lch7},           {Lch6, t.Lch6},
            {Lch5, t.Lch5},           {Lverde7, t.Lverde7},
            {Lverde6, t.Lverde6},     {Lverde5, t.Lverde5},
            {Lsumverde, t.Lsumverde}, {Lprocentavinsats, t.Lprocentavinsats}};
        for (const auto& [label, text] : captions)
            label->setText(text);
    }
    for (const QString& message : result.messages)
        ShowMessage(message);
}

void TChans::KnAvbrytClick()
{
    abortRequested_ = true;
}
