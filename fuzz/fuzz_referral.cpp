// The referral URL for any five values: never a crash, and what ReferralHolds checks.

#include "fuzz/ReferralChecks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!fuzzchecks::ReferralHolds(data, size))
        std::abort();
    return 0;
}
