#pragma once
// The four core numbers in which a karmic debt is looked for: three letter sums over a
// person's names and the day of birth. None is reduced to a single digit.

#include "engine/Letters.h"

#include <string>

namespace engine {

// The texts exactly as the main screen's boxes and day list hold them.
struct CoreInput {
    std::u16string FirstName;
    std::u16string MiddleName;
    std::u16string LastName;
    std::u16string DayText;
};

struct CoreNumbers {
    LetterSum Destiny = 0;
    LetterSum SoulUrge = 0;
    LetterSum InnerDream = 0;
    LetterSum BirthDay = 0;

    bool operator==(const CoreNumbers&) const = default;
};

CoreNumbers ComputeCoreNumbers(const CoreInput& input);

// Leading and trailing spaces (code 32) only; tabs and line breaks stay.
std::u16string_view TrimSpaces(std::u16string_view text);

// The day as a whole number, or 0 when the text is not one (empty, letters, signs, or
// more digits than any day can have).
LetterSum ParseDay(std::u16string_view dayText);

} // namespace engine
