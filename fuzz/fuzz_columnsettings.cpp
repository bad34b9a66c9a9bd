// Any column settings file gives settings; the lines it lacks keep their design states.

#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/textfile.h"
#include "racedata/columnsettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines = SplitTextLines(
        DecodeWindows1252(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size))));
    const ColumnSettings settings = ReadColumnSettings(lines);
    if (lines.size() < 3 && !settings.streck)
        std::abort();
    return 0;
}
