// MakeReading on any names and day text: never a crash, and what ReadingHolds checks.

#include "fuzz/ReadingChecks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fuzzchecks::ReadingHolds(data, size))
        std::abort();
    return 0;
}
