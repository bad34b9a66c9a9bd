// Feeds arbitrary bytes to the reader of the own text's files: the first byte splits the rest
// into "inst1.mmo" (font and width) and "inst2.mmo" (the text). A refused file changes nothing;
// a taken one keeps the width within its limits and the font's name short and printable.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "output/owntext.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    const qsizetype split = std::min<qsizetype>(data[0], bytes.size());
    const QStringList fontLines = SplitTextLines(DecodeWindows1252(bytes.left(split)));
    const QStringList textLines = SplitTextLines(DecodeWindows1252(bytes.mid(split)));
    const OwnTextState current{QStringLiteral("Plats för egen text."), PrintFont{}, 285};
    const std::optional<OwnTextState> read = ReadOwnTextFiles(current, fontLines, textLines, 147, 699);
    if (!read)
        return 0;
    if (read->memoWidth < 147 || read->memoWidth > 699 || read->font.pointSize < 1 ||
        (read->font.family != current.font.family && !IsFontName(read->font.family)))
        std::abort();
    return 0;
}
