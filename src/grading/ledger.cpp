#include "grading/ledger.h"

#include <algorithm>
#include <cmath>

#include "racedata/filenames.h"

namespace {

constexpr double MarginMm = 10;
const QString SampleLine =
    QStringLiteral("123456789  12345678  12345678  12345678 123456789101234567891012345");
const QString DateSample = QStringLiteral("123456789  ");
const QString AmountSample = QStringLiteral("12345678  ");
const std::array<QString, LedgerColumns> Headings = {QStringLiteral("Datum"), QStringLiteral("Insats"),
                                                     QStringLiteral("Vinst"), QStringLiteral("Saldo"),
                                                     QStringLiteral("Anteckningar")};

bool RowHasText(const std::array<QString, LedgerColumns>& row)
{
    return std::any_of(row.begin(), row.end(), [](const QString& cell) { return !cell.isEmpty(); });
}

}  // namespace

QString LedgerFileName(const QString& chosen)
{
    return WithExtension(chosen, QStringLiteral(".eko"));
}

QStringList LedgerFileLines(const LedgerCells& cells)
{
    QStringList lines;
    lines.reserve(LedgerFileLineCount);
    for (const auto& row : cells)
        for (const QString& cell : row)
            lines << cell;
    return lines;
}

std::optional<LedgerCells> ReadLedgerLines(const QStringList& lines)
{
    if (lines.size() < LedgerFileLineCount)
        return std::nullopt;
    LedgerCells cells;
    for (int i = 0; i < LedgerFileLineCount; ++i)
        cells[static_cast<std::size_t>(i / LedgerColumns)][static_cast<std::size_t>(i % LedgerColumns)] =
            lines[i];
    return cells;
}

QString ShortLedgerFileMessage(const QString& path, qsizetype lines)
{
    return QStringLiteral("Filen ") + path + QStringLiteral(" är ingen ekonomifil: den har ") +
           QString::number(lines) + QStringLiteral(" rader i stället för 500.");
}

LedgerPrintout LayOutLedgerPrintout(const PageMetrics& page, double pointSize, const LedgerTextWidth& width,
                                    const LedgerCells& cells)
{
    LedgerPrintout out;
    const double textHeight = TextHeight(pointSize, page);
    const double exactLineHeight = textHeight * 7 / 6;
    out.lineHeight = LineHeight(textHeight);
    const int top = MarginPixels(MarginMm, page.PixelsPerMmVertical());
    const int left = MarginPixels(MarginMm, page.PixelsPerMmHorizontal());
    out.linesPerPage =
        exactLineHeight > 0 ? static_cast<int>(std::floor((page.heightPx - 2.0 * top) / exactLineHeight)) : 0;
    out.pageTooNarrow = width(SampleLine) > page.widthPx;

    std::array<double, LedgerColumns> x{};
    x[0] = left;
    x[1] = x[0] + width(DateSample);
    for (std::size_t c = 2; c < LedgerColumns; ++c)
        x[c] = x[c - 1] + width(AmountSample);

    int pageIndex = 0;
    auto printLine = [&](double y, const auto& texts) {
        for (std::size_t c = 0; c < LedgerColumns; ++c)
            out.texts.push_back({pageIndex, x[c], y, texts[c], false, false});
    };
    // A page holds at least one row, however small it is.
    const int breakAt = std::max(out.linesPerPage - 1, 2);
    printLine(top, Headings);
    int line = 1;
    for (const auto& row : cells) {
        if (!RowHasText(row))
            continue;
        printLine(top + static_cast<double>(out.lineHeight) * line, row);
        if (++line == breakAt) {
            ++pageIndex;
            printLine(top, Headings);
            line = 1;
        }
    }
    out.pageCount = pageIndex + 1;
    return out;
}
