#include "engine/Letters.h"

static_assert(sizeof(void*) <= 8, "LetterSum's headroom assumes at most a 64-bit address space");

namespace engine {

namespace {

bool IsUpperLatin(char16_t c) {
    return c >= u'A' && c <= u'Z';
}

bool IsVowel(char16_t c) {
    return c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
}

bool BelongsTo(char16_t c, LetterClass letterClass) {
    if (!IsUpperLatin(c))
        return false;
    switch (letterClass) {
    case LetterClass::Vowels:
        return IsVowel(c);
    case LetterClass::Consonants:
        return !IsVowel(c);
    case LetterClass::AllLetters:
        break;
    }
    return true;
}

} // namespace

int LetterValue(char16_t c) {
    if (!IsUpperLatin(c))
        return 0;
    // A..I are 1..9, J..R again 1..9, S..Z 1..8.
    return (c - u'A') % 9 + 1;
}

LetterSum SumLetters(std::u16string_view text, LetterClass letterClass) {
    LetterSum sum = 0;
    for (char16_t c : text) {
        if (BelongsTo(c, letterClass))
            sum += LetterValue(c);
    }
    return sum;
}

} // namespace engine
