#include "conditions/pointsfile.h"

#include "platform/numbers.h"

namespace {

constexpr int PointsFileLines = 114;
constexpr int NameLength = 40;
// A point is kept in a byte wherever a condition holds it.
constexpr int32 HighestPoint = 255;

}  // namespace

std::optional<PointsFileContent> ParsePointsFile(const QStringList& lines)
{
    if (lines.size() < PointsFileLines)
        return std::nullopt;
    PointsFileContent content;
    for (int k = 1; k <= HorseCount; ++k) {
        int32 point = 0;
        if (!TryParseInt(lines.at(k - 1), point) || point < 0 || point > HighestPoint)
            return std::nullopt;
        content.points[k] = point;
    }
    const auto wholeAt = [&lines](int line, int32& value) { return TryParseInt(lines.at(line - 1), value); };
    const auto decimalAt = [&lines](int line, double& value) {
        return TryParseDecimal(lines.at(line - 1), value);
    };
    if (!wholeAt(106, content.sumMax) || !wholeAt(107, content.sumMin) || !decimalAt(108, content.prodMax) ||
        !decimalAt(109, content.prodMin) || !wholeAt(110, content.sumActive) ||
        !wholeAt(111, content.prodActive) || !wholeAt(112, content.sumMode) ||
        !wholeAt(113, content.prodMode))
        return std::nullopt;
    content.name = lines.at(PointsFileLines - 1).left(NameLength);
    return content;
}
