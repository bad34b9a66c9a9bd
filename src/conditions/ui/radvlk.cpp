#include "conditions/ui/radvlk.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStaticText>

#include "conditions/construction.h"
#include "conditions/rowcount.h"
#include "conditions/startnrconditions.h"
#include "conditions/ui/grpvlk.h"
#include "conditions/ui/labelclicks.h"
#include "model/notify.h"
#include "model/variabl.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"

namespace {

// The grid of a panel: one column per race slot, one row per start number, 1-pixel maroon
// lines between the labels. Race slot 7 and count 7 lie beyond the client area.
constexpr int ClientWidth = 436;
constexpr int ClientHeight = 524;
constexpr int PanelLeft[] = {0, 8, 222};
constexpr int GridTop = 98;
constexpr int CellWidth = 18, CellHeight = 15;
constexpr int ColumnPitch = CellWidth + 1, RowPitch = CellHeight + 1;
constexpr int VisibleRaces = 6;
constexpr int HiddenLeft = ClientWidth + 20;  // beyond the client area
constexpr int CountLeftOffset = 6 * ColumnPitch + 10;
constexpr int CountWidth = 20, CountHeight = 16, CountPitch = 19;

const QColor WindowTeal{0, 170, 170};
const QColor Maroon{128, 0, 0};
const QColor WhiteColour = Qt::white;

QString Two(int panel, int value)
{
    return QString::number(panel) + QString::number(value);
}

QRect MarkRect(int panel, int race, int startNr)
{
    const int left = race <= VisibleRaces ? PanelLeft[panel] + 1 + (race - 1) * ColumnPitch
                                          : HiddenLeft + (panel - 1) * ColumnPitch;
    return {left, GridTop + (startNr - 1) * RowPitch, CellWidth, CellHeight};
}

QRect CountRect(int panel, int count)
{
    const int left = count < 7 ? PanelLeft[panel] + CountLeftOffset : HiddenLeft + 2 * ColumnPitch;
    return {left, GridTop + count * CountPitch, CountWidth, CountHeight};
}

// The palettes of the labels, one per pair of fill and text colour, made once: a label takes
// a shared palette instead of a copy that it changes, which keeps scrolling quick.
const QPalette& LabelPalette(const QLabel* label, const QColor& background, const QColor& text)
{
    static QHash<QPair<QRgb, QRgb>, QPalette> palettes;
    const QPair<QRgb, QRgb> key{background.rgb(), text.rgb()};
    auto found = palettes.find(key);
    if (found == palettes.end()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        found = palettes.insert(key, palette);
    }
    return found.value();
}

// Sets a label's fill and text colours, touching the palette only when they change.
void Paint(QLabel* label, const QColor& background, const QColor& text)
{
    if (BackgroundOf(label) != background || TextColourOf(label) != text)
        label->setPalette(LabelPalette(label, background, text));
}

// A label of the grid: its fixed caption is laid out once and drawn centred in the colours of
// its palette, so that repainting the 226 labels after a scroll stays quick.
class CellLabel : public QLabel {
public:
    CellLabel(QWidget* parent, const QString& name, const QString& caption, QRect rect, const QFont& font)
        : QLabel(caption, parent), caption_(caption)
    {
        setObjectName(name);
        setGeometry(rect);
        setFont(font);
        setAlignment(Qt::AlignCenter);
        caption_.setTextFormat(Qt::PlainText);
        caption_.prepare(QTransform(), font);
        const QSizeF size = caption_.size();
        at_ = QPointF((rect.width() - size.width()) / 2, (rect.height() - size.height()) / 2);
        Paint(this, WhiteColour, WhiteColour);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawStaticText(at_, caption_);
    }

private:
    QStaticText caption_;
    QPointF at_;
};

void SetTextIfDiffers(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

QColor CountColour(CountLook look)
{
    switch (look) {
        case CountLook::Allowed:
            return LimeColour;
        case CountLook::Forbidden:
            return RedColour;
        case CountLook::Impossible:
            break;
    }
    return WhiteColour;
}

}  // namespace

TRadvillkor::TRadvillkor() : VForm(QStringLiteral("Villkor på startnummer"), QSize(ClientWidth, ClientHeight))
{
    setObjectName(QStringLiteral("Radvillkor"));
    SetBackground(this, WindowTeal);
    clicks_ = new LabelClicks(this);
    const QFont bold = SansFont(12, true);
    NewLabel(this, QString(), QStringLiteral("Markera valfria startnummer och välj hur många markerade "),
             {8, 4, 420, 15}, bold);
    NewLabel(this, QString(), QStringLiteral("som får och inte får finnas i varje spelad rad."),
             {8, 19, 420, 15}, bold);
    Vlkrubrik = NewLabel(this, QStringLiteral("Vlkrubrik"), QStringLiteral("Villkor på startnr, 0 st"),
                         {8, 40, 210, 16}, bold);
    Laktiva =
        NewLabel(this, QStringLiteral("Laktiva"), QStringLiteral("aktiva: 0 st"), {222, 40, 150, 16}, bold);
    for (int panel = 1; panel <= Panels; ++panel)
        BuildPanel(panel);
    BuildFooter();
    Connect();
    // The marks of the grid show the horses' present groups while the window is open.
    const auto repaintWhenShown = [this] {
        if (isVisible())
            PaintAll();
    };
    Events::StartNrConditionsChanged.Subscribe(this, repaintWhenShown);
    Events::HorseMarked.Subscribe(this, [repaintWhenShown](int, int) { repaintWhenShown(); });
    Events::GroupsReplaced.Subscribe(this, repaintWhenShown);
}

void TRadvillkor::BuildPanel(int panel)
{
    const int left = PanelLeft[panel];
    const QFont cellFont = SansFont(11, true);
    Vnr[panel] = NewBox(this, QStringLiteral("Vnr%1").arg(panel), QString::number(panel), {left, 62, 34, 18},
                        SansFont(12, true), WhiteColour);
    Aktiv[panel] =
        NewCheckBox(this, QStringLiteral("aktiv%1").arg(panel), QString(), {left + 44, 62, 18, 18});
    NewLabel(this, QString(), QStringLiteral("aktiv"), {left + 62, 62, 40, 18}, SansFont(12));
    NewLabel(this, QString(), QStringLiteral("Antal"), {left + CountLeftOffset - 6, 80, 34, 16},
             SansFont(11));
    for (int race = 1; race <= RaceSlots; ++race) {
        const QRect cell = MarkRect(panel, race, 1);
        NewCentredLabel(this, QString(), QString::number(race), {cell.left(), 82, CellWidth, 15}, cellFont);
    }
    // The labels of races 1-6 lie on the maroon grid, which repaints as one block; those of
    // race slot 7 lie on the window, beyond its client area.
    grids_[panel] = NewBox(this, QString(), QString(),
                           {left, GridTop - 1, VisibleRaces * ColumnPitch + 1, StartNumbers * RowPitch + 1},
                           WindowFont(), Maroon);
    for (int race = 1; race <= RaceSlots; ++race) {
        QWidget* parent = race <= VisibleRaces ? grids_[panel] : this;
        const QPoint origin = parent == this ? QPoint() : grids_[panel]->pos();
        for (int nr = 1; nr <= StartNumbers; ++nr)
            MarkLabels[panel][race][nr] =
                new CellLabel(parent, QStringLiteral("v%1a%2").arg(panel).arg(Two(race, nr)),
                              QString::number(nr), MarkRect(panel, race, nr).translated(-origin), cellFont);
    }
    for (int count = 0; count < Counts; ++count)
        CountLabels[panel][count] =
            new CellLabel(this, QStringLiteral("v") + Two(panel, count), QString::number(count),
                          CountRect(panel, count), SansFont(12, true));
    NewLabel(this, QString(), QStringLiteral("Kommentar"), {left, 342, 100, 15}, SansFont(12));
    Edit[panel] = NewEdit(this, QStringLiteral("Edit%1").arg(panel), {left, 358, 200, 21}, 255);
    const int firstButton[] = {0, 1, 5};
    CopyButton[panel] = NewButton(this, QStringLiteral("Button%1").arg(firstButton[panel]),
                                  QStringLiteral("Kopiera"), {left, 388, 64, 23});
    PasteButton[panel] = NewButton(this, QStringLiteral("Button%1").arg(panel == 1 ? 4 : 6),
                                   QStringLiteral("Klistra in"), {left + 68, 388, 64, 23});
    DeleteButton[panel] = NewButton(this, QStringLiteral("Button%1").arg(panel == 1 ? 7 : 8),
                                    QStringLiteral("Radera"), {left + 136, 388, 64, 23});
}

void TRadvillkor::BuildFooter()
{
    ScrollBar1 = new QScrollBar(Qt::Horizontal, this);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    ScrollBar1->setGeometry(8, 422, 420, 17);
    ScrollBar1->setRange(1, ConditionCount - 1);
    ScrollBar1->setPageStep(2);
    NewBox(this, QString(), QStringLiteral("Förbjudet antal"), {8, 450, 100, 17}, SansFont(12), RedColour);
    NewBox(this, QString(), QStringLiteral(" Tillåtet antal "), {114, 450, 100, 17}, SansFont(12),
           LimeColour);
    Nollaradvlk = NewButton(this, QStringLiteral("Nollaradvlk"), QStringLiteral("0"), {404, 448, 24, 21});
    Nollaradvlk->setToolTip(QStringLiteral("Nolla alla villkor"));
    Button9 = NewButton(this, QStringLiteral("Button9"), QStringLiteral("Gruppvillkor"), {8, 488, 120, 25});
    Button3 =
        NewButton(this, QStringLiteral("Button3"), QStringLiteral("Beräkna radantal"), {140, 488, 150, 25});
    Button2 = NewButton(this, QStringLiteral("Button2"), QStringLiteral("Tillbaka"), {308, 488, 120, 25});
}

void TRadvillkor::Connect()
{
    for (int panel = 1; panel <= Panels; ++panel) {
        for (int race = 1; race <= RaceSlots; ++race)
            for (int nr = 1; nr <= StartNumbers; ++nr)
                clicks_->OnPress(MarkLabels[panel][race][nr],
                                 [this, panel, race, nr] { MarkMouseDown(panel, race, nr); });
        for (int count = 0; count < Counts; ++count)
            clicks_->OnClick(CountLabels[panel][count], [this, panel, count] { CountClick(panel, count); });
        connect(Aktiv[panel], &QCheckBox::clicked, this,
                [this, panel](bool ticked) { AktivClick(panel, ticked); });
        connect(Edit[panel], &QLineEdit::textEdited, this,
                [this, panel](const QString& text) { EditChange(panel, text); });
        connect(CopyButton[panel], &QPushButton::clicked, this, [this, panel] { CopyClick(panel); });
        connect(PasteButton[panel], &QPushButton::clicked, this, [this, panel] { PasteClick(panel); });
        connect(DeleteButton[panel], &QPushButton::clicked, this, [this, panel] { DeleteClick(panel); });
    }
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this] { PaintAll(); });
    connect(Nollaradvlk, &QPushButton::clicked, this, &TRadvillkor::NollaradvlkClick);
    connect(Button9, &QPushButton::clicked, this, [] { Gruppvillkor->Show(); });
    connect(Button3, &QPushButton::clicked, this, [] { CountSystemRows(); });
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
}

void TRadvillkor::FormCreate()
{
    ShiftOnCreate(WideScreenShift::Standard);
    ScrollOnNarrowScreen();
    CentreOverMainWhenFirstShown();
}

void TRadvillkor::FormActivate()
{
    RefreshStartNrConditionsOnActivation();
    PaintAll();
}

void TRadvillkor::ResetToStartState()
{
    const QSignalBlocker blocker(ScrollBar1);
    ScrollBar1->setValue(1);
    for (QLineEdit* edit : {Edit[1], Edit[2]})
        edit->clear();
    PaintAll();
}

int TRadvillkor::ConditionOf(int panel) const
{
    return ScrollBar1->value() + panel - 1;
}

void TRadvillkor::closeEvent(QCloseEvent* e)
{
    Gruppvillkor->close();
    VForm::closeEvent(e);
}

void TRadvillkor::MarkMouseDown(int panel, int race, int startNr)
{
    PressStartNrMark(ConditionOf(panel), panel, race, startNr);
}

void TRadvillkor::CountClick(int panel, int count)
{
    ToggleStartNrForbiddenCount(ConditionOf(panel), count);
}

void TRadvillkor::AktivClick(int panel, bool ticked)
{
    SetStartNrConditionActive(ConditionOf(panel), ticked);
}

void TRadvillkor::EditChange(int panel, const QString& text)
{
    SetStartNrConditionComment(ConditionOf(panel), text);
}

void TRadvillkor::CopyClick(int panel)
{
    CopyStartNrCondition(ConditionOf(panel), Edit[panel]->text());
}

void TRadvillkor::PasteClick(int panel)
{
    if (PasteStartNrCondition(ConditionOf(panel)))
        Edit[panel]->setText(StartNrCondComments[ConditionOf(panel)]);
}

void TRadvillkor::DeleteClick(int panel)
{
    DeleteStartNrCondition(ConditionOf(panel));
    Edit[panel]->clear();
}

void TRadvillkor::NollaradvlkClick()
{
    if (ConstructionRunning() || !AskYesNo(ClearStartNrConditionsQuestion))
        return;
    ClearAllStartNrConditions();
    for (QLineEdit* edit : {Edit[1], Edit[2]})
        edit->clear();
}

void TRadvillkor::PaintAll()
{
    for (int panel = 1; panel <= Panels; ++panel) {
        grids_[panel]->setUpdatesEnabled(false);
        PaintPanel(panel);
        grids_[panel]->setUpdatesEnabled(true);
    }
    SetTextIfDiffers(Vlkrubrik, StartNrUsedHeading());
    SetTextIfDiffers(Laktiva, StartNrActiveCaption());
}

// The condition's number, comment, "aktiv" box, marks and counts. Setting the box and the
// comment from the tables is not a user's change: their signals stay blocked.
void TRadvillkor::PaintPanel(int panel)
{
    const int c = ConditionOf(panel);
    SetTextIfDiffers(Vnr[panel], QString::number(c));
    if (Edit[panel]->text() != StartNrCondComments[c].str()) {
        const QSignalBlocker blocker(Edit[panel]);
        Edit[panel]->setText(StartNrCondComments[c]);
    }
    {
        const QSignalBlocker blocker(Aktiv[panel]);
        Aktiv[panel]->setChecked(StartNrCondActive[c] == 1);
    }
    for (int race = 1; race <= RaceSlots; ++race) {
        for (int nr = 1; nr <= StartNumbers; ++nr) {
            const bool selectable = IsGroup(HorseGroups[race][0][nr]);
            Paint(MarkLabels[panel][race][nr], ToQColor(GroupColours[StartNrMarkGroup(c, race, nr)]),
                  selectable ? QColor(Qt::black) : WhiteColour);
        }
    }
    for (int count = 0; count < Counts; ++count) {
        const CountLook look = StartNrCountLook(c, count);
        QLabel* label = CountLabels[panel][count];
        label->setEnabled(look != CountLook::Impossible);
        Paint(label, CountColour(look), Qt::black);
    }
}

TRadvillkor* Radvillkor = nullptr;
