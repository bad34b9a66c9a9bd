// Feeds arbitrary bytes to the reader of the race-data window's column settings file.
#include <cstdint>

#include "platform/textfile.h"
#include "racedata/columnsettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ParseColumnSettings(SplitTextLines(DecodeWindows1252(bytes)));
    return 0;
}
