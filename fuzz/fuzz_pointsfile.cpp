// Feeds arbitrary bytes to the points-file reader as a file's text. The reader must never
// crash, and a refused file must leave the points conditions untouched: a file that reads is
// stored, one that does not is checked against the tables as they were.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "conditions/pointsfile.h"
#include "model/variabl.h"
#include "platform/textfile.h"

namespace {

bool SameCondition(int c, const PointsFileContent& before)
{
    return PointsFileLines(PointsFileContentOf(c)) == PointsFileLines(before);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    InitializeGlobals();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitTextLines(DecodeWindows1252(bytes));
    const PointsFileContent before = PointsFileContentOf(CurrentPointsCond);
    const auto read = ParsePointsFile(lines);
    if (!read) {
        if (!SameCondition(CurrentPointsCond, before))
            std::abort();
        return 0;
    }
    StorePointsFileContent(CurrentPointsCond, *read);
    for (int i = 1; i <= HorseCount; ++i)
        if (read->points[i] < 0 || read->points[i] > PointsFileMaxPoint)
            std::abort();
    if (read->name.size() > 40)
        std::abort();
    // What was stored writes back as a file that reads again.
    if (!ParsePointsFile(PointsFileLines(PointsFileContentOf(CurrentPointsCond))))
        std::abort();
    return 0;
}
