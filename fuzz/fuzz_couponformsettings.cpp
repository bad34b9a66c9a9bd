// Feeds arbitrary bytes to the reader of the coupon forms' settings file "ninstV75.kup"; a file
// it takes keeps every number within its field's limits.
#include <cstdint>
#include <cstdlib>

#include "output/couponform.h"
#include "platform/textfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<TCouponFormSettings> read =
        ParseCouponFormSettings(SplitTextLines(DecodeWindows1252(bytes)), {});
    if (!read)
        return 0;
    const TCouponFormSettings& s = *read;
    const bool within =
        MarginLimits.Clamp(s.leftMargin) == s.leftMargin && MarginLimits.Clamp(s.topMargin) == s.topMargin &&
        FormWidthLimits.Clamp(s.width) == s.width && FormHeightLimits.Clamp(s.height) == s.height &&
        ShiftLimits.Clamp(s.sideShift) == s.sideShift &&
        ShiftLimits.Clamp(s.verticalShift) == s.verticalShift &&
        RotationLimits.Clamp(s.rotation) == s.rotation &&
        ThicknessLimits.Clamp(s.strokeThickness) == s.strokeThickness &&
        StrokeLengthLimits.Clamp(s.strokeLength) == s.strokeLength;
    if (!within)
        std::abort();
    return 0;
}
