// Feeds arbitrary bytes to the ledger file reader: it accepts exactly the texts of 500 lines
// or more, and an accepted ledger holds the first 500 lines cell by cell.
#include <cstdint>
#include <cstdlib>

#include "grading/ledger.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitTextLines(DecodeWindows1252(bytes));
    const std::optional<LedgerCells> cells = ReadLedgerLines(lines);
    if (cells.has_value() != (lines.size() >= LedgerFileLineCount))
        std::abort();
    if (cells && LedgerFileLines(*cells) != lines.mid(0, LedgerFileLineCount))
        std::abort();
    return 0;
}
