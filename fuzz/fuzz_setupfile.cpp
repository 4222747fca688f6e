#include "setupfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// Any file is taken as a setup record, so the decoder must survive every byte
// string, and whatever it accepts must encode back to the bytes it read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString error;
    const auto record = decodeSetup(bytes, &error);
    if (!record) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    const QByteArray again = encodeSetup(*record, &error);
    if (again.isEmpty() || again != bytes.left(again.size()))
        std::abort();
    return 0;
}
