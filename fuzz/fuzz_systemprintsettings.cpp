// Feeds arbitrary bytes to the reader of "ninst.pap" as the file's text. The reader must never
// crash; a file it takes keeps the margins within 0-999 and the font size positive, and what
// it read writes back as a file that reads to the same settings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "output/systemprintsettings.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QStringList lines = SplitTextLines(DecodeWindows1252(bytes));
    const std::optional<SystemPrintSettings> read = ReadSystemPrintSettings(SystemPrintSettings(), lines);
    if (!read)
        return 0;
    for (int margin : {read->topMm, read->bottomMm, read->leftMm, read->rightMm})
        if (margin < 0 || margin > 999)
            std::abort();
    if (read->font.pointSize <= 0)
        std::abort();
    const QStringList written = SplitTextLines(DecodeWindows1252(
        EncodeWindows1252(SystemPrintSettingsLines(*read, true).join(QStringLiteral("\r\n")))));
    std::optional<SystemPrintSettings> again = ReadSystemPrintSettings(SystemPrintSettings(), written);
    if (!again)
        std::abort();
    again->font.family = read->font.family;  // a face name may lose characters outside the code page
    if (!(*again == *read))
        std::abort();
    return 0;
}
