#include "faultydialogue.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Any byte string is a recipe of spoiled modem answers: whatever the modem
// does, a visit must end, and every broken dialogue must end in a failure the
// user is told about, with the setup records left as they were.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const DialogueOutcome out = runFaultyDialogue(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!out.violations.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(out.violations.join(QLatin1String("; "))));
        std::abort();
    }
    return 0;
}
