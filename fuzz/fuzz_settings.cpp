// The settings scrambling on any text: never a crash, and what SettingsHold checks.

#include "fuzz/SettingsChecks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fuzzchecks::SettingsHold(data, size))
        std::abort();
    return 0;
}
