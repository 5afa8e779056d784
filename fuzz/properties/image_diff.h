#pragma once
// Where two images differ, as a failure message can point at an offset.
#include <cstdio>
#include <string>

#include "codec/memory_image.h"

namespace pl63::fuzz {

inline std::string describeDifference(const MemoryImage& expected, const MemoryImage& actual) {
    if (expected.size() != actual.size()) {
        return std::to_string(expected.size()) + " bytes became " + std::to_string(actual.size());
    }
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (expected.bytes()[k] == actual.bytes()[k]) continue;
        char where[64];
        std::snprintf(where, sizeof where, "offset 0x%03zX: %02X became %02X", k,
                      expected.bytes()[k], actual.bytes()[k]);
        return where;
    }
    return "no difference";
}

}  // namespace pl63::fuzz
