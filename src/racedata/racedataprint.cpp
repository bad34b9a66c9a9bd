#include "racedata/racedataprint.h"

#include <algorithm>
#include <cmath>

#include "platform/numbers.h"
#include "racedata/popupcontent.h"
#include "racedata/streck.h"

int RaceDataLinesPerPage(const PageMetrics& page, double pointSize)
{
    const double textHeight = TextHeight(pointSize, page);
    const double lineHeight = textHeight + textHeight / 6;
    if (!(lineHeight > 0))
        return 0;
    const int margin = MarginPixels(RaceDataPrintMarginMm, page.PixelsPerMmVertical());
    const double lines = std::floor((page.heightPx - 2.0 * margin) / lineHeight);
    return static_cast<int>(std::clamp(lines, 0.0, 1.0e6));
}

int32 PrintedScaledStreck(int32 streck, std::int64_t raceSum)
{
    const int32 scaled = ScaledStreck(streck, raceSum == 0 ? 100 : raceSum);
    return scaled == 0 ? 1 : scaled;
}

std::vector<int> PrintOrder(int race)
{
    std::vector<int> order;
    for (int h = 1; h <= StartNumbers; ++h)
        if (HorsePresent[HorseIndex(race, h)] == 1)
            order.push_back(h);
    const auto slotOf = [race](int h) {
        const int32 slot = DisplayedSlot[HorseIndex(race, h)];
        return slot >= 1 && slot <= StartNumbers ? slot : StartNumbers + 1;
    };
    std::stable_sort(order.begin(), order.end(), [&slotOf](int a, int b) { return slotOf(a) < slotOf(b); });
    return order;
}

namespace {

constexpr int TitleBoldLength = 10;

// A print-out column: its heading, where it starts, and whether it is on.
struct Column {
    QString heading;
    bool on = false;
    double x = 0;
};

enum ColumnIndex { PointsColumn, StreckColumn, Str100Column, OddsColumn, ColumnCount };

class Layout {
public:
    Layout(const PageMetrics& page, double pointSize, const RaceDataPrintColumns& columns,
           const PrintTextWidth& width)
        : width_(width)
    {
        const double textHeight = TextHeight(pointSize, page);
        out_.lineHeight = LineHeight(textHeight);
        out_.linesPerPage = RaceDataLinesPerPage(page, pointSize);
        top_ = MarginPixels(RaceDataPrintMarginMm, page.PixelsPerMmVertical());
        left_ = MarginPixels(RaceDataPrintMarginMm, page.PixelsPerMmHorizontal());
        columns_[PointsColumn] = {QStringLiteral("Poäng"), columns.points};
        columns_[StreckColumn] = {QStringLiteral("Streck"), columns.streck};
        columns_[Str100Column] = {QStringLiteral("Str100"), columns.str100};
        columns_[OddsColumn] = {QStringLiteral("Odds"), columns.odds};
    }

    RaceDataPrintout Run()
    {
        if (StartListLoaded == 0)
            return Refuse(NothingToPrintMessage);
        if (out_.linesPerPage < RaceDataPrintMinimumLines)
            return Refuse(TextDoesNotFitMessage);
        PlaceColumns();
        PrintPageHead();
        for (int r = 1; r <= RaceSlots; ++r)
            PrintRace(r);
        out_.pageCount = page_ + 1;
        return std::move(out_);
    }

private:
    RaceDataPrintout Refuse(const QString& message)
    {
        out_.refusal = message;
        return std::move(out_);
    }

    double Width(const QString& text, bool bold = false) const { return width_(text, bold); }

    void PlaceColumns()
    {
        double widestNumber = 0;
        for (int h = 1; h <= StartNumbers; ++h)
            widestNumber = std::max(widestNumber, Width(QString::number(h)));
        numberEdge_ = left_ + widestNumber;
        nameX_ = left_ + Width(QStringLiteral("15 "));
        double widestName = 0;
        for (int r = 1; r <= RaceSlots; ++r)
            for (int h = 1; h <= StartNumbers; ++h)
                widestName = std::max(widestName, Width(HorseNames[r][h]));
        double x = nameX_ + widestName + Width(QStringLiteral("   "));
        for (Column& column : columns_) {
            column.x = x;
            if (column.on)
                x += Width(column.heading + QStringLiteral("  "));
        }
    }

    void Text(double x, const QString& text, bool bold = false, bool strikeOut = false)
    {
        out_.texts.push_back(
            {page_, x, static_cast<double>(top_ + line_ * out_.lineHeight), text, bold, strikeOut});
    }

    void PrintPageHead()
    {
        line_ = 0;
        Text(left_, StartListHeading);
        line_ = 1;
        Text(left_, StartListFetchTime);
        line_ = 3;
    }

    void PrintRace(int race)
    {
        const std::vector<int> horses = PrintOrder(race);
        if (line_ + static_cast<int>(horses.size()) + 2 > out_.linesPerPage) {
            ++page_;
            PrintPageHead();
        }
        PrintTitle(race);
        const std::int64_t sum = RaceStreckSum(race);
        for (int h : horses)
            PrintHorse(race, h, sum);
        ++line_;
    }

    void PrintTitle(int race)
    {
        const QString& title = RaceInfoLines[race][0];
        const QString boldPart = title.left(TitleBoldLength);
        Text(left_, boldPart, true);
        if (title.size() > TitleBoldLength)
            Text(left_ + Width(boldPart, true), title.mid(TitleBoldLength));
        for (const Column& column : columns_)
            if (column.on)
                Text(column.x, column.heading);
        ++line_;
    }

    void PrintHorse(int race, int h, std::int64_t raceSum)
    {
        const int k = HorseIndex(race, h);
        const bool struck = Scratched[k] == 1;
        const QString number = QString::number(h);
        Text(numberEdge_ - Width(number), number, false, struck);
        Text(nameX_, HorseNames[race][h], false, struck);
        const QString values[ColumnCount] = {
            QString::number(HorsePoints[k]), QString::number(StreckValues[k]) + QStringLiteral(" %"),
            QString::number(PrintedScaledStreck(StreckValues[k], raceSum)) + QStringLiteral(" %"),
            QString::number(OddsValues[k])};
        for (int c = 0; c < ColumnCount; ++c) {
            const Column& column = columns_[c];
            if (column.on)
                Text(column.x + Width(column.heading) - Width(values[c]), values[c], false, struck);
        }
        ++line_;
    }

    const PrintTextWidth& width_;
    RaceDataPrintout out_;
    Column columns_[ColumnCount];
    int top_ = 0;
    int left_ = 0;
    double numberEdge_ = 0;
    double nameX_ = 0;
    int page_ = 0;
    int line_ = 0;
};

}  // namespace

RaceDataPrintout LayOutRaceDataPrintout(const PageMetrics& page, double pointSize,
                                        const RaceDataPrintColumns& columns, const PrintTextWidth& width)
{
    return Layout(page, pointSize, columns, width).Run();
}
