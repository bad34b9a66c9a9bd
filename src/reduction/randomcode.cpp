#include "reduction/randomcode.h"

#include "platform/numbers.h"
#include "platform/random.h"

int32 RandomCodeFromText(const QString& text, int32 previous)
{
    return IntOr(text, previous);
}

void SeedFromRandomCode(int32 code)
{
    RandSeed() = static_cast<std::uint32_t>(code);
}
