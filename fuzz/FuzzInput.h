#pragma once
// Turns a fuzzer's bytes into UTF-16 texts: the bytes are read as UTF-16 code units and
// split at U+001F, so one input carries several fields of any content.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

inline std::vector<std::u16string> SplitFields(const std::uint8_t* data, std::size_t size,
                                               std::size_t fields) {
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    std::vector<std::u16string> result(1);
    for (char16_t unit : units) {
        if (unit == u'\x1f' && result.size() < fields)
            result.emplace_back();
        else
            result.back().push_back(unit);
    }
    result.resize(fields);
    return result;
}
