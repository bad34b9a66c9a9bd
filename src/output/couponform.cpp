#include "output/couponform.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <functional>
#include <limits>

#include "output/couponhorses.h"
#include "output/reserves.h"
#include "platform/numbers.h"
#include "platform/settingsfile.h"
#include "platform/textfile.h"

namespace {

// ---- The settings file ----

// One line of the file after another; a missing line or a number line that is not a number
// ends the reading.
class SettingsLines {
public:
    explicit SettingsLines(const QStringList& lines) : lines_(lines) {}

    bool Failed() const { return failed_; }
    void Word(const std::function<void(const QString&)>& take)
    {
        if (failed_ || next_ >= lines_.size()) {
            failed_ = true;
            return;
        }
        take(lines_.at(next_++));
    }
    void Number(int32& setting, SettingLimits limits)
    {
        Word([&](const QString& line) {
            int32 value = 0;
            if (TryParseInt(line, value))
                setting = limits.Clamp(value);
            else
                failed_ = true;
        });
    }
    void YesNo(bool& setting, const char* yes)
    {
        Word([&](const QString& line) { setting = line == QLatin1String(yes); });
    }

private:
    const QStringList& lines_;
    qsizetype next_ = 0;
    bool failed_ = false;
};

// What each of the 21 lines holds: the margins, the size, the strokes, the stake, the kind,
// the font's name and size, the orientation, the styles, the stored number, the shifts, the
// rotation, the numbering and the V6 box.
const std::array<SettingsLineCheck, 21> LinePlaces = {
    IsSettingsNumber, IsSettingsNumber, IsSettingsNumber, IsSettingsNumber, IsSettingsNumber,
    IsSettingsNumber, IsSettingsWord,   IsSettingsWord,   IsFontName,       IsSettingsNumber,
    IsSettingsWord,   IsSettingsWord,   IsSettingsWord,   IsSettingsWord,   IsSettingsWord,
    IsSettingsNumber, IsSettingsNumber, IsSettingsNumber, IsSettingsNumber, IsSettingsWord,
    IsSettingsWord};

constexpr SettingLimits AnyNumber{std::numeric_limits<int32>::min(), std::numeric_limits<int32>::max()};
constexpr SettingLimits FontSizeLimits{1, 999};

void ReadCouponKind(SettingsLines& in, CouponFormKind& kind)
{
    in.Word([&](const QString& line) {
        if (line == QLatin1String("ja"))
            kind = CouponFormKind::OldLong;
        else if (line == QLatin1String("nej"))
            kind = CouponFormKind::OldShort;
        else if (line == QLatin1String("ny"))
            kind = CouponFormKind::New;
    });
}

void ReadFont(SettingsLines& in, PrintFont& font)
{
    in.Word([&](const QString& line) { font.family = line; });
    int32 size = static_cast<int32>(RoundHalfEven(font.pointSize));
    in.Number(size, FontSizeLimits);
    font.pointSize = size;
}

void ReadStyles(SettingsLines& in, PrintFont& font)
{
    font.bold = font.italic = font.underline = font.strikeOut = false;
    in.YesNo(font.bold, "Fet");
    in.YesNo(font.italic, "Kursiv");
    in.YesNo(font.underline, "Understruken");
    in.YesNo(font.strikeOut, "Genomstruken");
}

QString Word(bool on, const char* yes, const char* no)
{
    return QString::fromUtf8(on ? yes : no);
}

QString CouponKindWord(CouponFormKind kind)
{
    switch (kind) {
        case CouponFormKind::OldLong:
            return QStringLiteral("ja");
        case CouponFormKind::OldShort:
            return QStringLiteral("nej");
        case CouponFormKind::New:
            break;
    }
    return QStringLiteral("ny");
}

// ---- The layout ----

constexpr int GridRows = 11;
constexpr int GridColumns = 28;

// The boxes of one form, stroked row by row from row 0, each row from column 0.
class FormGrid {
public:
    void Mark(int row, int column)
    {
        if (row >= 0 && row < GridRows && column >= 0 && column < GridColumns)
            marked_[row][column] = true;
    }
    std::vector<FormCell> Cells() const
    {
        std::vector<FormCell> cells;
        for (int k = 0; k < GridRows; ++k)
            for (int c = 0; c < GridColumns; ++c)
                if (marked_[k][c])
                    cells.push_back({k, c});
        return cells;
    }

private:
    bool marked_[GridRows][GridColumns] = {};
};

struct FormLayout {
    const CouponFormScale& scale;
    const TCouponFormSettings& settings;

    int X(double columns) const { return static_cast<int>(RoundHalfEven(columns * scale.cs)) + scale.L; }
    int CountY() const
    {
        return static_cast<int>(RoundHalfEven((scale.longLayout ? 3.95 : 8.95) * scale.rs)) + scale.T;
    }
    FormPoint At(int x0, int y0, bool farSide = false) const
    {
        return CouponFormPoint(scale, settings, x0, y0, x0 - scale.L, y0 - scale.T, farSide);
    }
    FormText Text(const QString& text, int x0, bool farSide = false) const
    {
        return {text, At(x0, CountY(), farSide)};
    }
};

void MarkHorses(FormGrid& grid, const CouponFormScale& scale, int race, THorseMask horses)
{
    for (int m = 1; m <= StartNumbers; ++m) {
        if ((horses & HorseBit(m)) == 0)
            continue;
        if (scale.longLayout)
            grid.Mark((m - 1) / 4, 4 * (race - 1) + (m - 1) % 4);
        else
            grid.Mark((m - 1) / 2, 2 * (race - 1) + (m - 1) % 2);
    }
}

// The reserve boxes of a race and, when both reserves are in force, the box that tells which
// of the two comes first.
void MarkReserves(FormGrid& grid, const CouponFormScale& scale, int race, const ReservePair& pair)
{
    const int rowOffset = scale.newCoupon ? 5 : 6;
    for (int m : {pair.first, pair.second})
        if (m >= 1 && m <= StartNumbers)
            grid.Mark((m - 1) / 4 + rowOffset, 4 * (race - 1) + (m - 1) % 4);
    if (pair.count == 2)
        grid.Mark(9, pair.first < pair.second ? 4 * race - 3 : 4 * race - 2);
}

// The reserves the form shows: in chosen order only the free numbers of the order (the scan
// ends at position 15), the fixed reserves that are set, or the next lower ones.
ReservePair FormReserves(int race, THorseMask horses)
{
    switch (ReserveMode) {
        case ReserveModeChosenOrder:
            return PickReserves(race, horses, false, false);
        case ReserveModeFixed:
            return PickReserves(race, horses, false, true);
        case ReserveModeNextLower:
            return PickReserves(race, horses, true, false);
        default:
            return {};
    }
}

int CountX(const FormLayout& form, int race, int count)
{
    const CouponFormScale& scale = form.scale;
    if (!scale.longLayout)
        return form.X(2 * (race - 1) + (count >= 10 ? 0.25 : 0.5));
    const int x0 = form.X(count >= 10 ? 4 * race - 3 : 4 * race - 2.5);
    return scale.newCoupon ? x0 - static_cast<int>(RoundHalfEven(1.4 * scale.cs)) : x0;
}

// The row count's x before the shifts for small numbers: columns from the left margin.
int RowCountBaseX(const FormLayout& form, double longColumns)
{
    const CouponFormScale& scale = form.scale;
    if (!scale.longLayout)
        return form.X(14.5);
    const int x0 = form.X(longColumns);
    return scale.newCoupon ? x0 - static_cast<int>(RoundHalfEven(2 * scale.cs)) : x0;
}

int HalfColumn(const CouponFormScale& scale)
{
    return static_cast<int>(RoundHalfEven(0.5 * scale.cs));
}

// The counts of the races, the row count and the numbering of one form.
struct FormNumbers {
    std::vector<int> counts;  // per race 1 ... n
    int32 position = 0;
    int32 of = 0;
    bool numbered = false;       // the numbering texts at all
    double rowCountColumns = 0;  // where the row count stands in the long layout
    double couponColumns = 0;    // where "Kup. " stands after the row count
};

void AddTexts(CouponFormPage& page, const FormLayout& form, const FormNumbers& numbers)
{
    const CouponFormScale& scale = form.scale;
    const bool oldLongNumbered = numbers.numbered && scale.longLayout && !scale.newCoupon;
    std::int64_t product = 1;
    for (int race = 1; race <= static_cast<int>(numbers.counts.size()); ++race) {
        const int count = numbers.counts[race - 1];
        product *= count;
        if (oldLongNumbered && race == 1)
            page.texts.push_back(form.Text(QStringLiteral("K %1").arg(numbers.position), form.X(0.5)));
        else if (oldLongNumbered && race == 2)
            page.texts.push_back(form.Text(QStringLiteral("av %1").arg(numbers.of), form.X(4.5)));
        else
            page.texts.push_back(form.Text(QString::number(count), CountX(form, race, count)));
    }
    const int base = RowCountBaseX(form, numbers.rowCountColumns);
    int x0 = base;
    if (product < 100)
        x0 += HalfColumn(scale);
    if (product < 10)
        x0 += HalfColumn(scale);
    const FormText rowCount = form.Text(QString::number(product), x0, true);
    page.texts.push_back(rowCount);
    if (scale.newCoupon && numbers.numbered) {
        FormPoint at = rowCount.at;
        at.x = static_cast<int>(RoundHalfEven(numbers.couponColumns * scale.cs)) + base + rowCount.at.addX;
        page.texts.push_back({QStringLiteral("Kup. %1").arg(numbers.position), at});
    }
}

QString PrintPages(PrintCanvas& canvas, const TCouponFormSettings& settings, const QString& title,
                   const std::function<CouponFormPage(const CouponFormScale&, int page)>& layOut, int pages)
{
    if (!canvas.BeginDocument(title))
        return PrinterStartFailedMessage;
    const CouponFormScale scale = ScaleCouponForm(canvas.Page(), settings);
    canvas.SetFont(settings.font);
    if (settings.strokeThickness >= 0)
        canvas.SetPenWidth(settings.strokeThickness);
    for (int p = 0; p < pages; ++p) {
        if (p > 0)
            canvas.NewPage();
        const CouponFormPage page = layOut(scale, p);
        for (const FormCell& cell : page.cells) {
            const FormPoint at = CouponFormCell(scale, settings, cell.row, cell.column);
            canvas.Line(at.x, at.y, at.x, at.y + scale.strokeLength);
        }
        for (const FormText& text : page.texts)
            canvas.Text(text.at.x, text.at.y, text.text);
    }
    return canvas.EndDocument() ? QString() : PrintFailedMessage;
}

}  // namespace

std::optional<TCouponFormSettings> ParseCouponFormSettings(const QStringList& lines,
                                                           const TCouponFormSettings& current)
{
    if (!EveryLineFitsItsPlace(lines, LinePlaces))
        return std::nullopt;
    TCouponFormSettings s = current;
    SettingsLines in(lines);
    in.Number(s.topMargin, MarginLimits);
    in.Number(s.leftMargin, MarginLimits);
    in.Number(s.height, FormHeightLimits);
    in.Number(s.width, FormWidthLimits);
    in.Number(s.strokeThickness, ThicknessLimits);
    in.Number(s.strokeLength, StrokeLengthLimits);
    in.YesNo(s.fillStake, "ja");
    ReadCouponKind(in, s.kind);
    ReadFont(in, s.font);
    in.YesNo(s.portrait, "Portrait");
    ReadStyles(in, s.font);
    in.Number(s.storedNumber, AnyNumber);
    in.Number(s.sideShift, ShiftLimits);
    in.Number(s.verticalShift, ShiftLimits);
    in.Number(s.rotation, RotationLimits);
    in.YesNo(s.numbering, "Ja");
    in.YesNo(s.v6, "Ja");
    if (in.Failed()) {
        s.topMargin = 100;
        s.leftMargin = 100;
        s.font.pointSize = 10;
    }
    return s;
}

QStringList CouponFormSettingsLines(const TCouponFormSettings& s)
{
    const PrintFont& f = s.font;
    return {QString::number(s.topMargin),
            QString::number(s.leftMargin),
            QString::number(s.height),
            QString::number(s.width),
            QString::number(s.strokeThickness),
            QString::number(s.strokeLength),
            Word(s.fillStake, "ja", "nej"),
            CouponKindWord(s.kind),
            f.family,
            QString::number(RoundHalfEven(f.pointSize)),
            Word(s.portrait, "Portrait", "Landscape"),
            Word(f.bold, "Fet", "ejFet"),
            Word(f.italic, "Kursiv", "ejKursiv"),
            Word(f.underline, "Understruken", "ejUnderstruken"),
            Word(f.strikeOut, "Genomstruken", "ejGenomstruken"),
            QString::number(s.storedNumber),
            QString::number(s.sideShift),
            QString::number(s.verticalShift),
            QString::number(s.rotation),
            Word(s.numbering, "Ja", "Nej"),
            Word(s.v6, "Ja", "Nej")};
}

QString CouponFormSettingsPath(const QString& folder)
{
    const QStringList found = QDir(folder).entryList({CouponFormSettingsFileName}, QDir::Files);
    return folder + (found.isEmpty() ? CouponFormSettingsFileName : found.first());
}

QString ReadCouponFormSettings(const QString& folder)
{
    const SettingsFileLoad<TCouponFormSettings> load = LoadSettingsFile(
        CouponFormSettingsPath(folder), CouponFormSettings,
        [](const QStringList& lines) { return ParseCouponFormSettings(lines, CouponFormSettings); });
    CouponFormSettings = load.settings;
    return load.message;
}

bool WriteCouponFormSettings(const QString& folder)
{
    return WriteTextLines(CouponFormSettingsPath(folder), CouponFormSettingsLines(CouponFormSettings));
}

CouponFormScale ScaleCouponForm(const PageMetrics& page, const TCouponFormSettings& settings)
{
    CouponFormScale scale;
    scale.pxH = page.PixelsPerMmHorizontal();
    scale.pxV = page.PixelsPerMmVertical();
    scale.cs = 4.44 * scale.pxH;
    scale.rs = 6.33 * scale.pxV;
    scale.L = static_cast<int>(RoundHalfEven(settings.leftMargin * scale.pxH / 10));
    scale.T = static_cast<int>(RoundHalfEven(settings.topMargin * scale.pxV / 10));
    scale.strokeLength = static_cast<int>(RoundHalfEven(settings.strokeLength * scale.pxV / 10));
    scale.longLayout = settings.kind != CouponFormKind::OldShort;
    scale.newCoupon = settings.kind == CouponFormKind::New;
    return scale;
}

FormPoint CouponFormPoint(const CouponFormScale& scale, const TCouponFormSettings& settings, int x0, int y0,
                          double dx, double dy, bool farSide)
{
    const double formWidth = scale.longLayout ? 160 : 110;
    double ax = (settings.width - 1600) * dx / 1600;
    double ay = (settings.height - 620) * dy / 620;
    const auto xm = RoundHalfEven(scale.L + formWidth / 2 * scale.pxH);
    const auto ym = RoundHalfEven(scale.T + 29 * scale.pxV);
    const auto h = !farSide && x0 < xm ? RoundHalfEven(x0 - scale.L)
                                       : RoundHalfEven(scale.L + formWidth * scale.pxH - x0);
    const auto v = y0 < ym ? RoundHalfEven(y0 - scale.T) : RoundHalfEven(scale.T + 58 * scale.pxV - y0);
    ax += settings.sideShift * static_cast<double>(h) / (formWidth * 5);
    ay += settings.verticalShift * static_cast<double>(v) / 290;
    if (scale.pxH > 0)
        ay -= settings.rotation * static_cast<double>(x0 - scale.L) * scale.pxV / (1600 * scale.pxH);
    FormPoint point;
    point.addX = static_cast<int>(RoundHalfEven(ax));
    point.addY = static_cast<int>(RoundHalfEven(ay));
    point.x = x0 + point.addX;
    point.y = y0 + point.addY;
    return point;
}

FormPoint CouponFormCell(const CouponFormScale& scale, const TCouponFormSettings& settings, int k, int c)
{
    const double dx = c * scale.cs;
    const double dy = k * scale.rs;
    return CouponFormPoint(scale, settings, static_cast<int>(RoundHalfEven(dx)) + scale.L,
                           static_cast<int>(RoundHalfEven(dy)) + scale.T, dx, dy);
}

CouponFormPage LayOutCouponForm(const CouponFormScale& scale, const TCouponFormSettings& settings,
                                int32 position)
{
    const int32 coupon = position >= 1 && position <= KeptCouponCount ? KeptCoupons[position] : 0;
    FormGrid grid;
    FormNumbers numbers;
    for (int race = 1; race <= PoolRaces; ++race) {
        const THorseMask horses = CouponHorses(race, coupon);
        MarkHorses(grid, scale, race, horses);
        if (scale.longLayout)
            MarkReserves(grid, scale, race, FormReserves(race, horses));
        numbers.counts.push_back(HorseCountOf(horses));
    }
    if (settings.v6)
        grid.Mark(10, 22);
    numbers.position = position;
    numbers.of = KeptCouponCount;
    numbers.numbered = settings.numbering;
    numbers.rowCountColumns = 24;
    numbers.couponColumns = 3.5;
    CouponFormPage page;
    page.cells = grid.Cells();
    AddTexts(page, FormLayout{scale, settings}, numbers);
    return page;
}

CouponFormPage LayOutTestCoupon(const CouponFormScale& scale, const TCouponFormSettings& settings)
{
    FormGrid grid;
    FormNumbers numbers;
    for (int race = 1; race <= RaceSlots; ++race) {
        THorseMask horses = HorseBit(1) | HorseBit(4) | HorseBit(13) | HorseBit(15);
        ReservePair reserves;
        if (race == 1)
            reserves = {2, 5, 9};
        else if (race == RaceSlots)
            reserves = {2, 8, 12};
        horses |= (reserves.count == 2 ? HorseBit(reserves.first) | HorseBit(reserves.second) : 0);
        MarkHorses(grid, scale, race, horses);
        if (scale.longLayout)
            MarkReserves(grid, scale, race, reserves);
        numbers.counts.push_back(HorseCountOf(horses));
    }
    numbers.position = 1;
    numbers.of = 1;
    // The new coupon shows its "Kup. 1" whether numbering is on or not.
    numbers.numbered = settings.numbering || scale.newCoupon;
    numbers.rowCountColumns = 28;
    numbers.couponColumns = 4;
    CouponFormPage page;
    page.cells = grid.Cells();
    AddTexts(page, FormLayout{scale, settings}, numbers);
    return page;
}

QString PrintCouponForms(PrintCanvas& canvas, const TCouponFormSettings& settings, int32 first, int32 last)
{
    if (CouponsBuilt != 1 || KeptCouponCount < 1)
        return CouponFormNoSystemMessage;
    if (last < first)
        return CouponRangeReversedMessage;
    first = std::max(first, 1);
    last = std::min(last, KeptCouponCount);
    return PrintPages(
        canvas, settings, SystemName,
        [&](const CouponFormScale& scale, int page) {
            return LayOutCouponForm(scale, settings, first + page);
        },
        std::max(last - first + 1, 0));
}

QString PrintTestCoupon(PrintCanvas& canvas, const TCouponFormSettings& settings)
{
    return PrintPages(
        canvas, settings, QStringLiteral("Testkupong"),
        [&](const CouponFormScale& scale, int) { return LayOutTestCoupon(scale, settings); }, 1);
}
