#pragma once
// Karmic debt detection among the core numbers, and the reading the result screen shows.

#include "engine/CoreNumbers.h"

#include <string>

namespace engine {

// 0 (no debt), 13, 14, 16 or 19.
using KarmicDebtNo = int;

// The later number wins: BirthDay over InnerDream over SoulUrge over Destiny.
KarmicDebtNo FindKarmicDebt(const CoreNumbers& numbers);

// Four paragraphs, each followed by CR LF CR LF: the header with the number, the general
// paragraph, the paragraph for the debt (or the no-debt line) and an empty paragraph.
std::u16string ComposeReading(KarmicDebtNo debt);

std::u16string MakeReading(const CoreInput& input);

} // namespace engine
