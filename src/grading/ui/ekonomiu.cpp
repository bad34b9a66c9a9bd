#include "grading/ui/ekonomiu.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cstdlib>

#include "model/colours.h"
#include "platform/textfile.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/kit.h"
#include "racedata/filenames.h"

TEkonomi* Ekonomi = nullptr;

namespace {

constexpr int ColumnWidths[LedgerColumns] = {71, 60, 60, 60, 244};

QFont DefaultPrintFont()
{
    return QFont(QStringLiteral("Liberation Sans"), 8);
}

QLabel* NewLine(QWidget* parent, QRect rect)
{
    return NewBox(parent, QString(), QString(), rect, WindowFont(), Qt::black);
}

// The grid has no header, so its column widths are dragged by the vertical grid lines between
// the cells: over a line the pointer turns into the sizing arrows, and a drag with the left
// button moves that line.
class ColumnLineDrag : public QObject {
public:
    explicit ColumnLineDrag(QTableWidget* grid) : QObject(grid), grid_(grid)
    {
        grid->viewport()->setMouseTracking(true);
        grid->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return Press(static_cast<QMouseEvent*>(e));
            case QEvent::MouseMove:
                return Move(static_cast<QMouseEvent*>(e));
            case QEvent::MouseButtonRelease:
                return Release();
            default:
                return QObject::eventFilter(watched, e);
        }
    }

private:
    static constexpr int Reach = 2;  // pixels either side of a line that still take it

    // The column whose right-hand line lies at x in the viewport; -1 for none.
    int ColumnEndingAt(int x) const
    {
        for (int c = grid_->columnCount() - 1; c >= 0; --c) {
            const int line = grid_->columnViewportPosition(c) + grid_->columnWidth(c) - 1;
            if (std::abs(x - line) <= Reach)
                return c;
        }
        return -1;
    }

    bool Press(const QMouseEvent* e)
    {
        const int column = ColumnEndingAt(e->position().toPoint().x());
        if (e->button() != Qt::LeftButton || column < 0)
            return false;
        column_ = column;
        startX_ = e->position().toPoint().x();
        startWidth_ = grid_->columnWidth(column);
        return true;
    }

    bool Move(const QMouseEvent* e)
    {
        const int x = e->position().toPoint().x();
        if (column_ < 0) {
            if (ColumnEndingAt(x) >= 0)
                grid_->viewport()->setCursor(Qt::SplitHCursor);
            else
                grid_->viewport()->unsetCursor();
            return false;
        }
        grid_->setColumnWidth(
            column_, std::max(grid_->horizontalHeader()->minimumSectionSize(), startWidth_ + x - startX_));
        return true;
    }

    bool Release()
    {
        if (column_ < 0)
            return false;
        column_ = -1;
        return true;
    }

    QTableWidget* grid_;
    int column_ = -1;  // the column whose line is being dragged
    int startX_ = 0;
    int startWidth_ = 0;
};

}  // namespace

TEkonomi::TEkonomi() : VForm(QStringLiteral("Ekonomi"), QSize(556, 308)), FontDialog1(DefaultPrintFont())
{
    setObjectName(QStringLiteral("Ekonomi"));
    SetBackground(this, ToQColor(Cream));
    const struct {
        const char* caption;
        int left;
    } headings[] = {{"Datum", 22}, {"Insats", 94}, {"Vinst", 155}, {"Saldo", 216}, {"Anteckningar", 283}};
    for (const auto& heading : headings)
        NewLabel(this, QString(), QString::fromUtf8(heading.caption), {heading.left, 20, 56, 16},
                 SansFont(12));
    NewLine(this, {18, 16, 501, 1});
    for (int left : {18, 90, 151, 212, 273, 518})
        NewLine(this, {left, 17, 1, 23});

    StringGrid1 = new QTableWidget(LedgerRows, LedgerColumns, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(17, 40, 520, 213);
    StringGrid1->setFont(SansFont(12));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->verticalHeader()->setDefaultSectionSize(20);
    StringGrid1->setShowGrid(true);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid1->setTabKeyNavigation(true);
    SetColumnWidths();
    new ColumnLineDrag(StringGrid1);
    SetCells(LedgerCells{});

    BuildButtons(this, this,
                 {{&TEkonomi::Button2, "Button2", "Hämta", {148, 269, 57, 25}},
                  {&TEkonomi::Button3, "Button3", "Spara", {206, 269, 57, 25}},
                  {&TEkonomi::Button4, "Button4", "Skriv", {264, 269, 57, 25}},
                  {&TEkonomi::Button5, "Button5", "Teckensnitt", {322, 269, 73, 25}},
                  {&TEkonomi::Button1, "Button1", "Tillbaka", {396, 269, 57, 25}}},
                 SansFont(11));
    connect(Button1, &QPushButton::clicked, this, &TEkonomi::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TEkonomi::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TEkonomi::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TEkonomi::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TEkonomi::Button5Click);
}

void TEkonomi::FormCreate()
{
    ShiftOnCreate(WideScreenShift::HeightBased);
    CentreOverMainWhenFirstShown();
}

void TEkonomi::ResetToStartState()
{
    SetColumnWidths();
    SetCells(LedgerCells{});
    FontDialog1.setFont(DefaultPrintFont());
    openDialogName_.clear();
}

void TEkonomi::SetColumnWidths()
{
    for (int c = 0; c < LedgerColumns; ++c)
        StringGrid1->setColumnWidth(c, ColumnWidths[c]);
}

LedgerCells TEkonomi::Cells() const
{
    LedgerCells cells;
    for (int r = 0; r < LedgerRows; ++r)
        for (int c = 0; c < LedgerColumns; ++c)
            if (const QTableWidgetItem* item = StringGrid1->item(r, c))
                cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = item->text();
    return cells;
}

void TEkonomi::SetCells(const LedgerCells& cells)
{
    for (int r = 0; r < LedgerRows; ++r)
        for (int c = 0; c < LedgerColumns; ++c)
            StringGrid1->setItem(
                r, c, new QTableWidgetItem(cells[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
}

void TEkonomi::Button1Click()
{
    close();
}

// "Hämta": the grid changes only once a whole ledger file has been read; the dialog proposes
// the file read last.
void TEkonomi::Button2Click()
{
    const QString chosen = ChooseOpenFileName(this, LedgerFileFilter, openDialogName_);
    if (chosen.isEmpty())
        return;
    const QString path = LedgerFileName(chosen);
    if (!QFileInfo::exists(path)) {
        ShowMessage(QStringLiteral("Filen ") + path + QStringLiteral(" finns ej."));
        return;
    }
    const std::optional<QStringList> lines = ReadTextLines(path);
    if (!lines) {
        ShowErrorMessage(QStringLiteral("Filen ") + path + QStringLiteral(" kunde inte läsas."));
        return;
    }
    openDialogName_ = path;
    const std::optional<LedgerCells> cells = ReadLedgerLines(*lines);
    if (!cells) {
        ShowMessage(ShortLedgerFileMessage(path, lines->size()));
        return;
    }
    SetCells(*cells);
}

// "Spara": asks before replacing a file; a failed write is reported and leaves the file as it was.
void TEkonomi::Button3Click()
{
    const QString chosen = ChooseSaveFileName(this, LedgerFileFilter);
    if (chosen.isEmpty())
        return;
    const QString path = LedgerFileName(chosen);
    if (QFileInfo::exists(path) &&
        !AskYesNo(QStringLiteral("Ska filen ") + FileNameOf(path) + QStringLiteral(" skrivas över?")))
        return;
    if (!WriteTextLines(path, LedgerFileLines(Cells())))
        ShowErrorMessage(QStringLiteral("Filen ") + path + QStringLiteral(" kunde inte skrivas."));
}

// "Skriv": one document on the shared printer in the print font.
void TEkonomi::Button4Click()
{
    const QFont font = FontDialog1.font();
    SetPrinterFont(font);
    const LedgerPrintout printout = LayOutLedgerPrintout(
        PrinterPage(), PointSizeOf(font),
        [&font](const QString& text) { return PrinterTextWidth(font, text); }, Cells());
    PrintJob job(QStringLiteral("Ekonomi"));
    if (!job.IsActive())
        return;
    job.SetFont(font);
    if (printout.pageTooNarrow)
        ShowMessage(LedgerPageTooNarrowMessage);
    int page = 0;
    for (const PrintedText& text : printout.texts) {
        for (; page < text.page; ++page)
            job.NewPage();
        job.TextOut(text.x, text.y, text.text);
    }
    job.Finish();
}

// "Teckensnitt": the dialog's font, chosen or kept, is the print font from now on.
void TEkonomi::Button5Click()
{
    FontDialog1.Execute(this);
    SetPrinterFont(FontDialog1.font());
}
