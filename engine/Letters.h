#pragma once
// Letter values and the letter classes that every name number is summed over.

#include <cstdint>
#include <string_view>

namespace engine {

enum class LetterClass { AllLetters, Vowels, Consonants };

// The value 1..9 of an upper-case A..Z, and 0 for every other character: case and
// accents are never folded, so "é" or "e" count nothing.
int LetterValue(char16_t c);

// Sums are 64-bit: a letter is worth at most 9 and no address space holds more than
// 2^57 bytes (2^56 UTF-16 units), so even every name in memory at once sums below 2^60.
using LetterSum = std::int64_t;

LetterSum SumLetters(std::u16string_view text, LetterClass letterClass);

} // namespace engine
