// MakeReading on any names and day text: never a crash, always one of the five readings,
// and the letter classes always split the letters exactly.

#include "FuzzInput.h"
#include "KarmicDebt.h"

#include <algorithm>
#include <cstdlib>

using namespace engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = SplitFields(data, size, 4);
    const CoreInput input{fields[0], fields[1], fields[2], fields[3]};

    const std::u16string reading = MakeReading(input);
    const bool known = std::any_of(std::begin({0, 13, 14, 16, 19}), std::end({0, 13, 14, 16, 19}),
                                   [&](int debt) { return reading == ComposeReading(debt); });
    if (!known)
        std::abort();

    std::u16string joined;
    for (const auto& name : {input.FirstName, input.MiddleName, input.LastName})
        joined.append(TrimSpaces(name));
    const LetterSum all = SumLetters(joined, LetterClass::AllLetters);
    const LetterSum vowels = SumLetters(joined, LetterClass::Vowels);
    const LetterSum consonants = SumLetters(joined, LetterClass::Consonants);
    if (vowels + consonants != all)
        std::abort();

    const CoreNumbers numbers = ComputeCoreNumbers(input);
    if (numbers.Destiny != all || numbers.InnerDream != consonants)
        std::abort();
    const LetterSum ys = 7 * std::count(joined.begin(), joined.end(), u'Y');
    if (vowels != 0 ? numbers.SoulUrge != vowels : numbers.SoulUrge != ys)
        std::abort();
    if (numbers.BirthDay < 0 || numbers.BirthDay > 999'999'999)
        std::abort();
    return 0;
}
