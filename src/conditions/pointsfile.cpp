#include "conditions/pointsfile.h"

#include <QFileInfo>
#include <algorithm>

#include "conditions/pointsedit.h"
#include "platform/numbers.h"

namespace {

enum Line {
    SumMaxLine = HorseCount + 1,  // 106
    SumMinLine,
    ProdMaxLine,
    ProdMinLine,
    SumActiveLine,
    ProdActiveLine,
    SumModeLine,
    ProdModeLine,
    NameLine,  // 114
};

// The whole-number lines after the points, with the field each fills.
struct WholeLine {
    int line;
    int32 PointsFileContent::*field;
};
constexpr WholeLine WholeLines[] = {
    {SumMaxLine, &PointsFileContent::sumMax},       {SumMinLine, &PointsFileContent::sumMin},
    {SumActiveLine, &PointsFileContent::sumActive}, {ProdActiveLine, &PointsFileContent::prodActive},
    {SumModeLine, &PointsFileContent::sumMode},     {ProdModeLine, &PointsFileContent::prodMode},
};

struct DecimalLine {
    int line;
    double PointsFileContent::*field;
};
constexpr DecimalLine DecimalLines[] = {
    {ProdMaxLine, &PointsFileContent::prodMax},
    {ProdMinLine, &PointsFileContent::prodMin},
};

const QString& LineAt(const QStringList& lines, int line)
{
    return lines.at(line - 1);
}

flag OneOrZero(int32 value)
{
    return value == 1 ? 1 : 0;
}

}  // namespace

std::optional<PointsFileContent> ParsePointsFile(const QStringList& lines)
{
    if (lines.size() < PointsFileLineCount)
        return std::nullopt;
    PointsFileContent content;
    for (int i = 1; i <= HorseCount; ++i) {
        int32 point = 0;
        if (!TryParseInt(LineAt(lines, i), point) || point < 0 || point > PointsFileMaxPoint)
            return std::nullopt;
        content.points[i] = point;
    }
    for (const WholeLine& w : WholeLines)
        if (!TryParseInt(LineAt(lines, w.line), content.*w.field))
            return std::nullopt;
    for (const DecimalLine& d : DecimalLines)
        if (!TryParseDecimal(LineAt(lines, d.line), content.*d.field))
            return std::nullopt;
    content.name = LineAt(lines, NameLine).left(ShortText<40>::capacity);
    return content;
}

QStringList PointsFileLines(const PointsFileContent& content)
{
    QStringList lines;
    for (int i = 1; i <= HorseCount; ++i)
        lines << QString::number(content.points[i]);
    lines << QString::number(content.sumMax) << QString::number(content.sumMin)
          << FormatDecimal(content.prodMax) << FormatDecimal(content.prodMin)
          << QString::number(content.sumActive) << QString::number(content.prodActive)
          << QString::number(content.sumMode) << QString::number(content.prodMode) << content.name;
    return lines;
}

PointsFileContent PointsFileContentOf(int c)
{
    PointsFileContent content;
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            content.points[HorseIndex(r, h)] = CondPoints[r][h][c];
    content.sumMax = CondSumMax[c];
    content.sumMin = CondSumMin[c];
    content.prodMax = CondProdMaxReal[c];
    content.prodMin = CondProdMinReal[c];
    content.sumActive = CondSumActive[c];
    content.prodActive = CondProdActive[c];
    content.sumMode = CondSumMode[c];
    content.prodMode = CondProdMode[c];
    content.name = PointsCondNames[c];
    return content;
}

bool StorePointsFileContent(int c, const PointsFileContent& content)
{
    bool rowsMayChange = false;
    const auto store = [&rowsMayChange](auto& target, auto value) {
        rowsMayChange = rowsMayChange || target != value;
        target = value;
    };
    for (int r = 1; r <= RaceSlots; ++r)
        for (int h = 1; h <= StartNumbers; ++h)
            store(CondPoints[r][h][c], LimitedPoint(content.points[HorseIndex(r, h)]));
    store(CondSumMax[c], LimitedStoredSumBound(content.sumMax));
    store(CondSumMin[c], LimitedStoredSumBound(content.sumMin));
    store(CondSumActive[c], int32{OneOrZero(content.sumActive)});
    store(CondProdActive[c], int32{OneOrZero(content.prodActive)});
    store(CondSumMode[c], int32{OneOrZero(content.sumMode)});
    store(CondProdMode[c], int32{OneOrZero(content.prodMode)});
    CondProdMaxReal[c] = content.prodMax;
    CondProdMinReal[c] = content.prodMin;
    StorePointsCondName(c, content.name);
    RecountActivePointsConds();
    return rowsMayChange;
}

QString WithPointsFileExtension(const QString& path)
{
    const QFileInfo info(path);
    const QString fileName = info.fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? fileName : fileName.left(dot);
    const qsizetype folderLength = path.size() - fileName.size();
    return path.left(folderLength) + stem + QStringLiteral(".str");
}
