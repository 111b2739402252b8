#pragma once
// What must hold of the reading for any names and day text. The fuzzer asks it of every
// input it makes, and a test of every input in the corpus.

#include "engine/KarmicDebt.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>

namespace fuzzchecks {

inline bool IsOneOfTheReadings(const std::u16string& reading) {
    static constexpr int Debts[] = {0, 13, 14, 16, 19};
    return std::any_of(std::begin(Debts), std::end(Debts),
                       [&](int debt) { return reading == engine::ComposeReading(debt).Text(); });
}

// The reading is one of the five, the letter classes split the letters exactly, and the
// core numbers are the sums they are made of.
inline bool ReadingHolds(const std::uint8_t* data, std::size_t size) {
    using namespace engine;
    const auto fields = SplitFields(data, size, 4);
    const CoreInput input{fields[0], fields[1], fields[2], fields[3]};
    if (!IsOneOfTheReadings(MakeReading(input).Text()))
        return false;

    std::u16string joined;
    for (const auto& name : {input.FirstName, input.MiddleName, input.LastName})
        joined.append(TrimSpaces(name));
    const LetterSum all = SumLetters(joined, LetterClass::AllLetters);
    const LetterSum vowels = SumLetters(joined, LetterClass::Vowels);
    const LetterSum consonants = SumLetters(joined, LetterClass::Consonants);
    if (vowels + consonants != all)
        return false;

    const CoreNumbers numbers = ComputeCoreNumbers(input);
    if (numbers.Destiny != all || numbers.InnerDream != consonants)
        return false;
    const LetterSum ys = 7 * std::count(joined.begin(), joined.end(), u'Y');
    if (vowels != 0 ? numbers.SoulUrge != vowels : numbers.SoulUrge != ys)
        return false;
    return numbers.BirthDay >= 0 && numbers.BirthDay <= 999'999'999;
}

} // namespace fuzzchecks
