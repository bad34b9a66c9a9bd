// Feeds arbitrary bytes to the text report's reading of a loaded .txt file.
#include <cstdint>

#include "output/textreport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TextReportFileLines(bytes);
    return 0;
}
