// The date typed into the bet-file window: whatever is typed, a file is built only from a real
// date, and a file that is built is well-formed XML.

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <cstdint>
#include <cstdlib>

#include "model/variabl.h"
#include "output/betfile.h"
#include "output/reserves.h"

namespace {

void OneSingleRowSystem()
{
    ResetGlobals();
    for (int race = 1; race <= RaceSlots; ++race)
        RowStore[race][1] = race;
    SingleRowCount = 1;
    SingleRowsBuilt = 1;
    ReserveMode = ReserveModeNextLower;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = (OneSingleRowSystem(), true);
    (void)ready;
    BetFileRequest request;
    request.date = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const BetFileContent content = BuildBetFile(request);
    if (content.refusal.isEmpty() != IsBetFileDate(request.date))
        std::abort();
    if (content.refusal.isEmpty()) {
        QXmlStreamReader xml(content.lines.join(QStringLiteral("\r\n")));
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError())
            std::abort();
    }
    return 0;
}
