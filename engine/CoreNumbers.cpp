#include "engine/CoreNumbers.h"

#include <algorithm>

namespace engine {

namespace {

constexpr int YAsVowelValue = 7;

// Nine digits keep the value far inside the range and still accept zero-padded days.
constexpr std::size_t MaxDayDigits = 9;

} // namespace

std::u16string_view TrimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

LetterSum ParseDay(std::u16string_view dayText) {
    const auto digits = TrimSpaces(dayText);
    if (digits.empty() || digits.size() > MaxDayDigits)
        return 0;
    LetterSum day = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
        day = day * 10 + (c - u'0');
    }
    return day;
}

CoreNumbers ComputeCoreNumbers(const CoreInput& input) {
    const auto first = TrimSpaces(input.FirstName);
    const auto middle = TrimSpaces(input.MiddleName);
    const auto last = TrimSpaces(input.LastName);

    CoreNumbers numbers;
    numbers.Destiny = SumLetters(first, LetterClass::AllLetters) +
                      SumLetters(middle, LetterClass::AllLetters) +
                      SumLetters(last, LetterClass::AllLetters);

    std::u16string joined;
    joined.reserve(first.size() + middle.size() + last.size());
    joined.append(first).append(middle).append(last);

    numbers.SoulUrge = SumLetters(joined, LetterClass::Vowels);
    if (numbers.SoulUrge == 0) {
        // A name without a single vowel lets Y speak for the vowels.
        numbers.SoulUrge = YAsVowelValue * std::count(joined.begin(), joined.end(), u'Y');
    }
    numbers.InnerDream = SumLetters(joined, LetterClass::Consonants);
    numbers.BirthDay = ParseDay(input.DayText);
    return numbers;
}

} // namespace engine
