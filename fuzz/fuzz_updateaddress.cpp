// Feeds arbitrary bytes to the reader of the settings file that names the update check's address.
#include <cstdint>

#include "core/updaterule.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ParseUpdateAddressFile(bytes);
    return 0;
}
