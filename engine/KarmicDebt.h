#pragma once
// Karmic debt detection among the core numbers, and the reading the result screen shows.

#include "engine/CoreNumbers.h"

#include <string>
#include <vector>

namespace engine {

// 0 (no debt), 13, 14, 16 or 19.
using KarmicDebtNo = int;

// The later number wins: BirthDay over InnerDream over SoulUrge over Destiny.
KarmicDebtNo FindKarmicDebt(const CoreNumbers& numbers);

// What the result screen shows, paragraph by paragraph: the header with the number, the
// general paragraph, the paragraph for the debt (or the no-debt line) and an empty
// paragraph, each with the CR LF CR LF that follows it.
struct Reading {
    std::vector<std::u16string> paragraphs;
    // The paragraphs one after the other: the reading as one text.
    std::u16string Text() const;
};

Reading ComposeReading(KarmicDebtNo debt);

Reading MakeReading(const CoreInput& input);

} // namespace engine
